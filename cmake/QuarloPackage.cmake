# `make package`: a Debian package of what cmake/QuarloInstall.cmake installs, under /usr.
# Its dependencies are the packages of the shared libraries the programs link (Qt, the
# workbook writer), found by dpkg-shlibdeps, and Qt's SVG plugins, which draw the program's
# pictures and which nothing links.
set(QUARLO_PACKAGE_CONTACT "Vortel" CACHE STRING
    "Maintainer field of the Debian package: the organisation that distributes it, \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarlo)
set(CPACK_PACKAGE_VENDOR Vortel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUARLO_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "load-settlement analysis of a single axially loaded pile (t-z and Q-w method)")
set(CPACK_PACKAGE_DESCRIPTION
    "QUARLO computes the load-settlement behaviour of a single axially loaded pile, a driven pile
or a drilled shaft, in layered soil by the load-transfer method: t-z curves along the shaft
and a Q-w curve at the tip, generated from soil data by six published recommendation sets or
entered by the user, with down-drag and modification factors. The package holds the desktop
program QUARLO2014 with its user's and technical manuals, the batch runner quarlo-run and
example projects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The graphs and printouts are set in Times New Roman, which fontconfig maps to Liberation Serif.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

include(CPack)
