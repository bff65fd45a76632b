# What `cmake --install` puts under its prefix (the Debian package installs the same under /usr):
#
#   bin/QUARLO2014                    link to lib/quarlo/QUARLO2014
#   bin/quarlo-run                    the runner (the engine is linked into it)
#   lib/quarlo/QUARLO2014             the program ...
#   lib/quarlo/libQUARLO2014_DLL.so   ... and the engine it loads from its own folder
#   share/quarlo/examples/            the bundled example projects
#   share/doc/quarlo/                 README, the manuals (also built into the program's help),
#                                     status codes, file formats, the engine's choices
#   share/applications/quarlo.desktop, share/icons/hicolor/scalable/apps/quarlo.svg,
#   share/mime/packages/quarlo.xml    the menu entry, its icon and the project file types
#
# The program finds the engine beside its executable; the executable's real folder counts, not
# the folder of a link to it, so the link in bin/ keeps the program and the engine together in
# a folder of their own rather than putting a library among the system's programs.
set(QUARLO_PROGRAM_DIR lib/quarlo)
set(QUARLO_DATA_DIR share/quarlo)
set(QUARLO_DOC_DIR share/doc/quarlo)

install(TARGETS QUARLO2014_DLL LIBRARY DESTINATION ${QUARLO_PROGRAM_DIR})
if(TARGET quarlo-run)
    install(TARGETS quarlo-run RUNTIME DESTINATION bin)
endif()

if(TARGET QUARLO2014)
    install(TARGETS QUARLO2014 RUNTIME DESTINATION ${QUARLO_PROGRAM_DIR})
    # A relative link, made in the build tree and installed as a link: it stays right under
    # any prefix and in the package's staging folder alike.
    set(program_link ${PROJECT_BINARY_DIR}/install-links/QUARLO2014)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
    file(CREATE_LINK ../${QUARLO_PROGRAM_DIR}/QUARLO2014 ${program_link} SYMBOLIC)
    install(FILES ${program_link} DESTINATION bin)

    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quarlo.desktop DESTINATION share/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quarlo.svg DESTINATION share/icons/hicolor/scalable/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quarlo-mime.xml
            DESTINATION share/mime/packages RENAME quarlo.xml)
endif()

file(GLOB example_projects ${PROJECT_SOURCE_DIR}/examples/*.qv3d)
install(FILES ${example_projects} ${PROJECT_SOURCE_DIR}/examples/README.md DESTINATION ${QUARLO_DATA_DIR}/examples)

install(FILES ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/docs/status-codes.md
              ${PROJECT_SOURCE_DIR}/docs/file-formats.md
              ${PROJECT_SOURCE_DIR}/docs/engine-choices.md
              ${PROJECT_SOURCE_DIR}/docs/hand-checks.md
        DESTINATION ${QUARLO_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${QUARLO_DOC_DIR}/manual
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.svg")
# Where the README's picture is, seen from the README.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images/ DESTINATION ${QUARLO_DOC_DIR}/docs/images)
