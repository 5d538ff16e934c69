# The freedesktop package metadata note: an ELF note ".note.package", owner "FDO", type
# 0xcafe1a7e, holding a JSON object that readelf, systemd-coredump and similar tools show.
# It is written by the linker's --package-metadata where the linker has it, otherwise by an
# assembled note section compiled into the target.
include(CheckLinkerFlag)
check_linker_flag(CXX "LINKER:--package-metadata={}" TAVROLIN_LINKER_PACKAGE_METADATA)

# A JSON string literal for text. Besides the JSON escapes, "$", "`" and ";" are written as
# \u escapes: CMake passes "$" into link commands doubled and splits lists at ";".
function(tavrolin_json_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "$" "\\u0024" text "${text}")
    string(REPLACE "`" "\\u0060" text "${text}")
    string(REPLACE ";" "\\u003b" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\r" "\\r" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# tavrolin_add_package_note(<target> NAME <n> VERSION <v> DESCRIPTION <d>)
function(tavrolin_add_package_note target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "NAME;VERSION;DESCRIPTION" "")
    tavrolin_json_string(name "${arg_NAME}")
    tavrolin_json_string(version "${arg_VERSION}")
    tavrolin_json_string(description "${arg_DESCRIPTION}")
    set(json "{\"type\":\"deb\",\"name\":${name},\"version\":${version}")
    string(APPEND json ",\"description\":${description}}")

    if(TAVROLIN_LINKER_PACKAGE_METADATA)
        # -Xlinker rather than -Wl, which would split the JSON at its commas; SHELL: keeps
        # CMake from merging this -Xlinker with another one, and parses backslash escapes.
        string(REPLACE "\\" "\\\\" quoted "${json}")
        string(REPLACE "\"" "\\\"" quoted "${quoted}")
        target_link_options(${target} PRIVATE "SHELL:-Xlinker \"--package-metadata=${quoted}\"")
    else()
        string(HEX "${json}" hex)
        string(REGEX REPLACE "(..)" "0x\\1, " TAVROLIN_PACKAGE_NOTE_BYTES "${hex}")
        configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/package_note.cpp.in
            ${target}_package_note.cpp @ONLY)
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_package_note.cpp)
    endif()
endfunction()
