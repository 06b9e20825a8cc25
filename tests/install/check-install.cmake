# Installs the build into a scratch prefix and checks what a desktop and a
# Debian system expect of it.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
set(share ${WORK_DIR}/usr/share)

# The program and its icon; the desktop entry and the AppStream metadata are
# read by their validators below, the manual, copyright and changelog by
# lintian on the package.
foreach(path bin/solenorium share/icons/hicolor/scalable/apps/solenorium.svg)
    if(NOT EXISTS ${WORK_DIR}/usr/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The validators must pass with no error and no warning (hints and pedantic notes may stay).
find_program(DESKTOP_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
foreach(check "desktop entry;${DESKTOP_VALIDATE};${share}/applications/solenorium.desktop"
        "AppStream metadata;${APPSTREAMCLI};validate;--no-net;${share}/metainfo/org.solenorium.Solenorium.metainfo.xml")
    list(POP_FRONT check what)
    execute_process(COMMAND ${check} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed OR said MATCHES "error|warning|(^|\n)[EW]: ")
        message(FATAL_ERROR "${what} refused: ${said}")
    endif()
endforeach()
message(STATUS "installed tree is complete")
