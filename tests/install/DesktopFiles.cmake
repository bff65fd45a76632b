# The installed menu entry passes desktop-file-validate, the shared MIME database takes the
# file types (globs, text/plain as parent), and the entry opens exactly the project types that
# are declared, with an icon and a program that are installed.
cmake_minimum_required(VERSION 3.25)

foreach(tool desktop-file-validate update-mime-database)
    find_program(${tool}_path ${tool})
    if(NOT ${tool}_path)
        message(FATAL_ERROR "${tool} is missing: install desktop-file-utils and shared-mime-info "
                            "(scripts/debian-packages.txt lists them)")
    endif()
endforeach()

set(entry ${PREFIX}/share/applications/quarlo.desktop)
execute_process(COMMAND ${desktop-file-validate_path} ${entry} RESULT_VARIABLE invalid
                OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(invalid OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${entry}:\n${said}")
endif()

# update-mime-database exits with 0 even when it cannot read a file; what it wrote tells.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/mime/packages)
file(COPY ${PREFIX}/share/mime/packages/quarlo.xml DESTINATION ${WORK_DIR}/mime/packages)
execute_process(COMMAND ${update-mime-database_path} ${WORK_DIR}/mime RESULT_VARIABLE failed
                OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed OR said MATCHES "[Ee]rror|Failed|[Uu]nknown|[Ii]nvalid")
    message(FATAL_ERROR "update-mime-database did not take quarlo.xml:\n${said}")
endif()
file(READ ${WORK_DIR}/mime/globs2 globs)
file(READ ${WORK_DIR}/mime/subclasses parents)
foreach(type_and_glob "application/x-quarlo-project:*.qv3d" "application/x-quarlo-project-old:*.qvd"
                      "text/x-quarlo-report:*.qv3o" "text/x-quarlo-run-notes:*.qv3r")
    string(FIND "${globs}" ":${type_and_glob}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the MIME database has no ${type_and_glob}:\n${globs}")
    endif()
    string(REGEX REPLACE ":.*" "" type "${type_and_glob}")
    string(FIND "${parents}" "${type} text/plain" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${type} is not declared as text:\n${parents}")
    endif()
endforeach()

file(STRINGS ${entry} mime_line REGEX "^MimeType=")
string(REGEX REPLACE "^MimeType=" "" opened "${mime_line}")
# file(STRINGS) keeps the entry's semicolons escaped; as plain ones they make the list.
string(REPLACE "\\;" ";" opened "${opened}")
string(REGEX REPLACE ";$" "" opened "${opened}")
foreach(type ${opened})
    string(FIND "${globs}" ":${type}:" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the menu entry opens ${type}, which quarlo.xml does not declare")
    endif()
endforeach()
if(NOT "application/x-quarlo-project" IN_LIST opened OR NOT "application/x-quarlo-project-old" IN_LIST opened)
    message(FATAL_ERROR "the menu entry does not open both project types: ${mime_line}")
endif()

file(STRINGS ${entry} exec_line REGEX "^Exec=")
if(NOT exec_line STREQUAL "Exec=QUARLO2014 %f" OR NOT EXISTS ${PREFIX}/bin/QUARLO2014)
    message(FATAL_ERROR "the menu entry starts \"${exec_line}\", not the installed bin/QUARLO2014 with the file")
endif()
file(STRINGS ${entry} icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=quarlo" OR NOT EXISTS ${PREFIX}/share/icons/hicolor/scalable/apps/quarlo.svg)
    message(FATAL_ERROR "the menu entry's ${icon_line} is not the installed icon")
endif()
