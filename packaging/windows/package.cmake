# The Windows packages of tavrolin.exe, each with the licence and a read-me beside it:
#   tavrolin_msi   an installer built with wixl (Debian's wixl, from msitools)
#   tavrolin_zip   a .zip for those who want no installer
# Both are named and versioned from the project's one version definition. Included by
# packaging/CMakeLists.txt in the Windows build only.

set(package_name ${TAVROLIN_PACKAGE}-${TAVROLIN_VERSION_TEXT}-windows-x64)
set(TAVROLIN_WINDOWS_MSI ${PROJECT_BINARY_DIR}/${package_name}.msi)
set(TAVROLIN_WINDOWS_ZIP ${PROJECT_BINARY_DIR}/${package_name}.zip)
set(staged ${CMAKE_CURRENT_BINARY_DIR}/windows)

# Plain text for Notepad, line ends and all.
set(TAVROLIN_QT_VERSION ${Qt6_VERSION})
string(LENGTH "${PROJECT_NAME} ${TAVROLIN_VERSION_TEXT} for Windows" title_length)
string(REPEAT "=" ${title_length} TAVROLIN_README_RULE)
configure_file(windows/README.txt.in ${staged}/README.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${staged}/LICENSE.txt @ONLY NEWLINE_STYLE WIN32)

# Both take the executable, its icon, licence and read-me from one folder: wixl reads its
# sources by paths relative to where it runs.
add_custom_command(OUTPUT ${staged}/${TAVROLIN_PACKAGE}.exe ${staged}/tavrolin.ico
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tavrolin> ${staged}/${TAVROLIN_PACKAGE}.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${icon_dir}/tavrolin.ico ${staged}/tavrolin.ico
    DEPENDS tavrolin ${icon_dir}/tavrolin.ico
    VERBATIM)
set(package_files ${TAVROLIN_PACKAGE}.exe LICENSE.txt README.txt)
list(TRANSFORM package_files PREPEND ${staged}/ OUTPUT_VARIABLE staged_files)

find_program(TAVROLIN_WIXL wixl)
# Windows Installer compares the first three numbers of a version only.
set(msi_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
add_custom_command(OUTPUT ${TAVROLIN_WINDOWS_MSI}
    COMMAND ${TAVROLIN_WIXL} --arch x64
        --define "ProductName=${PROJECT_NAME}" --define "Manufacturer=${TAVROLIN_MAKER}"
        --define "Version=${msi_version}" --define "VersionText=${TAVROLIN_VERSION_TEXT}"
        --define "Description=${PROJECT_DESCRIPTION}" --define "Summary=${TAVROLIN_SUMMARY}"
        --define "Exe=${TAVROLIN_PACKAGE}.exe" --define Icon=tavrolin.ico
        --define Licence=LICENSE.txt --define ReadMe=README.txt
        --output ${TAVROLIN_WINDOWS_MSI} ${CMAKE_CURRENT_SOURCE_DIR}/windows/tavrolin.wxs
    DEPENDS windows/tavrolin.wxs ${staged_files} ${staged}/tavrolin.ico
    WORKING_DIRECTORY ${staged}
    COMMENT "Building ${package_name}.msi"
    VERBATIM)
add_custom_target(tavrolin_msi DEPENDS ${TAVROLIN_WINDOWS_MSI})

# The files at the top of the archive: Windows' "Extract all" makes the folder.
add_custom_command(OUTPUT ${TAVROLIN_WINDOWS_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${TAVROLIN_WINDOWS_ZIP} --format=zip
        --mtime=${TAVROLIN_RELEASE_DATE} ${package_files}
    DEPENDS ${staged_files}
    WORKING_DIRECTORY ${staged}
    COMMENT "Building ${package_name}.zip"
    VERBATIM)
add_custom_target(tavrolin_zip DEPENDS ${TAVROLIN_WINDOWS_ZIP})
