# One static library per layer, made from the sources of one folder; a folder without
# sources yet makes no target, so a layer can be added file by file.
#
#   quarlo_model_library(name dir LINKS ...)    standard library only
#   quarlo_widget_library(name dir LINKS ...)   Qt widgets on top of the models
#
# Links may name layers that do not exist yet through $<TARGET_NAME_IF_EXISTS:...>.
function(quarlo_model_library name dir)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

function(quarlo_widget_library name dir)
    cmake_parse_arguments(ARG "" "" "LINKS;EXCLUDE" ${ARGN})
    if(NOT QUARLO_GUI)
        return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    foreach(excluded ${ARG_EXCLUDE})
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${excluded})
    endforeach()
    if(NOT sources)
        return()
    endif()
    file(GLOB resources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
    add_library(${name} STATIC ${sources} ${resources})
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} Qt6::Widgets)
    target_compile_definitions(${name} PRIVATE QT_NO_KEYWORDS QUARLO_VERSION="${PROJECT_VERSION}")
endfunction()
