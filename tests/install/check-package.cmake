# Makes the Debian package of the build with cpack and runs lintian on it:
# any error or warning fails (among them a compressed manual or changelog
# that is broken or carries a time stamp). Skipped when lintian is not
# installed.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message(STATUS "SKIP: lintian is not installed")
    return()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB deb ${WORK_DIR}/solenorium_*.deb)
if(failed OR NOT deb)
    message(FATAL_ERROR "cpack made no package: ${said}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${deb}
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
message(STATUS "lintian ${deb}:\n${said}")
if(failed OR said MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian found faults")
endif()
