# The Debian package: the program, its desktop entry, metainfo and icons. Its dependencies are
# found from the shared libraries the program links (dpkg-shlibdeps), plus the fonts the window
# draws with, which it loads by name or path at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TAVROLIN_PACKAGE})
set(CPACK_PACKAGE_VERSION "${TAVROLIN_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "${TAVROLIN_MAKER}")
set(CPACK_PACKAGE_CONTACT "${TAVROLIN_MAKER} <tavrolin@orlevan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-window calculator: it converts megabytes to kilobytes and a line speed in\n"
    "kilobits per second to a transfer rate, and shows the download time in seconds,\n"
    "minutes and hours.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${TAVROLIN_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window draws with Liberation Sans, which also stands in for Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
