# Installs the build into PREFIX and checks the tree: every file a user needs is there, the
# program is found through bin/ and sits beside the engine, and no installed binary lacks a
# library or points into the build tree.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE errors)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(expected
    bin/QUARLO2014 bin/quarlo-run lib/quarlo/QUARLO2014 lib/quarlo/libQUARLO2014_DLL.so
    share/applications/quarlo.desktop share/icons/hicolor/scalable/apps/quarlo.svg
    share/mime/packages/quarlo.xml
    share/quarlo/examples/README.md share/quarlo/examples/drilled-shaft-si.qv3d
    share/quarlo/examples/driven-pile-clay-english.qv3d share/quarlo/examples/user-curves-english.qv3d
    share/quarlo/examples/user-curves-si.qv3d
    share/doc/quarlo/README.md share/doc/quarlo/status-codes.md share/doc/quarlo/file-formats.md
    share/doc/quarlo/manual/technical/index.md share/doc/quarlo/manual/technical/tz-qw-curves.md)
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "the installation lacks ${file}")
    endif()
endforeach()

if(NOT IS_SYMLINK ${PREFIX}/bin/QUARLO2014)
    message(FATAL_ERROR "bin/QUARLO2014 is not a link to the program beside the engine")
endif()
file(REAL_PATH ${PREFIX}/bin/QUARLO2014 program)
file(REAL_PATH ${PREFIX}/lib/quarlo/QUARLO2014 beside_engine)
if(NOT program STREQUAL beside_engine)
    message(FATAL_ERROR "bin/QUARLO2014 leads to ${program}, not to ${beside_engine}")
endif()

foreach(binary bin/quarlo-run lib/quarlo/QUARLO2014 lib/quarlo/libQUARLO2014_DLL.so)
    execute_process(COMMAND ldd ${PREFIX}/${binary} OUTPUT_VARIABLE libraries ERROR_VARIABLE libraries)
    if(libraries MATCHES "not found")
        message(FATAL_ERROR "${binary} lacks libraries:\n${libraries}")
    endif()
    execute_process(COMMAND readelf -d ${PREFIX}/${binary} OUTPUT_VARIABLE dynamic)
    string(FIND "${dynamic}" "${BUILD_DIR}" into_build)
    if(NOT into_build EQUAL -1)
        message(FATAL_ERROR "${binary} looks for libraries in the build tree:\n${dynamic}")
    endif()
endforeach()
