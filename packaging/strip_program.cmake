# Run by CPack on the staged files before it packs them: strips the program as dh_strip does.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/tavrolin")
if(NOT programs)
    message(FATAL_ERROR "no program bin/tavrolin under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_TAVROLIN_STRIP}" --remove-section=.comment --remove-section=.note
            "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
