# The Debian package: the program, its desktop entry, metainfo, icons, manual page, changelog
# and copyright. Its dependencies are found from the shared libraries the program links
# (dpkg-shlibdeps), plus what it loads at run time: the fonts the window draws with, and it
# recommends Qt's Wayland platform plugin.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TAVROLIN_PACKAGE})
# Each Debian release gets its own build (its own Qt, its own Depends), named after it as
# Debian names backports: 1.00+deb13 for Debian 13. The program's own version stays 1.00.
set(tavrolin_release_suffix "")
if(EXISTS /etc/os-release)
    file(STRINGS /etc/os-release tavrolin_os_release REGEX "^(ID|VERSION_ID)=")
    set(tavrolin_os_id "")
    set(tavrolin_os_version "")
    foreach(line IN LISTS tavrolin_os_release)
        if(line MATCHES "^ID=\"?([^\"]*)")
            set(tavrolin_os_id "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^VERSION_ID=\"?([^\"]*)")
            set(tavrolin_os_version "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(tavrolin_os_id STREQUAL "debian" AND tavrolin_os_version MATCHES "^[0-9]+$")
        set(tavrolin_release_suffix "+deb${tavrolin_os_version}")
    endif()
endif()
set(CPACK_PACKAGE_VERSION "${TAVROLIN_VERSION_TEXT}${tavrolin_release_suffix}")
set(CPACK_PACKAGE_VENDOR "${TAVROLIN_MAKER}")
set(CPACK_PACKAGE_CONTACT "${TAVROLIN_MAKER} <tavrolin@orlevan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TAVROLIN_SYNOPSIS}")
# Debian wraps the extended description at 80 columns, each line indented by one space.
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop calculator that tells how long a download takes. Type the\n"
    "amount in megabytes and the Internet line speed in kilobits per second, and\n"
    "the window converts them to kilobytes and to a transfer rate in kilobytes per\n"
    "second and shows the download time in seconds, minutes and hours.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${TAVROLIN_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program is stripped as Debian's dh_strip strips programs: also of the compilers' .comment
# (the package metadata note is .note.package, not .note, and stays).
set(CPACK_STRIP_FILES OFF)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_TAVROLIN_STRIP "${CMAKE_STRIP}")
    set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_program.cmake)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window draws with Liberation Sans, which also stands in for Arial: version 2, which
# Debian 13 ships under the old name (packaging/install-deps.sh has the same rename).
if(tavrolin_release_suffix MATCHES "^\\+deb(1[0-2]|[0-9])$")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation (>= 1:2)")
endif()
# Qt's Wayland plugin shows the window natively on Wayland, and is the only way onto a Wayland
# session without an X server. A recommendation, as Debian's own Qt programs make it (apt
# installs it by default): X11 and XWayland need none of the 21 MB it pulls in (Qt Quick, QML).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# Qt's own translations put the boxes' context menus in the user's language; DejaVu Sans draws
# the Arabic and Persian captions. Chinese and Japanese need a CJK font, which their users have.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-wqy-microhei")
include(CPack)
