# Installs the build into a scratch prefix and checks what a desktop and a
# Debian system expect of it.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
set(share ${WORK_DIR}/usr/share)

foreach(path bin/solenorium share/applications/solenorium.desktop share/icons/hicolor/scalable/apps/solenorium.svg
        share/metainfo/org.solenorium.Solenorium.metainfo.xml share/man/man1/solenorium.1.gz
        share/doc/solenorium/copyright share/doc/solenorium/changelog.gz)
    if(NOT EXISTS ${WORK_DIR}/usr/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# run(<what> command...): the command must succeed; its output is left in said.
function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(FATAL_ERROR "${what} failed: ${said}")
    endif()
    set(said "${said}" PARENT_SCOPE)
endfunction()

# The validators must pass with no error and no warning (hints and pedantic notes may stay).
find_program(DESKTOP_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
foreach(check "desktop entry;${DESKTOP_VALIDATE};${share}/applications/solenorium.desktop"
        "AppStream metadata;${APPSTREAMCLI};validate;--no-net;${share}/metainfo/org.solenorium.Solenorium.metainfo.xml")
    run(${check})
    if(said MATCHES "error|warning|(^|\n)[EW]: ")
        list(GET check 0 what)
        message(FATAL_ERROR "${what} refused: ${said}")
    endif()
endforeach()

# expect(<file text> <what> patterns...): every pattern is in the text.
function(expect text what)
    foreach(pattern IN LISTS ARGN)
        if(NOT text MATCHES "${pattern}")
            message(FATAL_ERROR "${what} lacks ${pattern}")
        endif()
    endforeach()
endfunction()

file(READ ${share}/applications/solenorium.desktop entry)
expect("${entry}" "desktop entry" "\nExec=solenorium\n" "\nIcon=solenorium\n"
       "\nCategories=Science;Electronics;HamRadio;\n" "\nComment\\[it\\]=")
file(READ ${share}/metainfo/org.solenorium.Solenorium.metainfo.xml meta)
expect("${meta}" "AppStream metadata" "<launchable type=\"desktop-id\">solenorium.desktop</"
       "<project_license>GPL-3.0-or-later</" "<binary>solenorium</" "<summary xml:lang=\"it\">"
       "<release version=\"${VERSION}\" date=\"[0-9-]+\"")
file(READ ${share}/doc/solenorium/copyright copyright)
expect("${copyright}" "copyright file" "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
       "\nLicense: GPL-3\\+\n" "/usr/share/common-licenses/GPL-3\"" "fonts-liberation2" "fonts-comic-neue"
       "fonts-dejavu-core" "LGPL-3")
file(READ ${share}/icons/hicolor/scalable/apps/solenorium.svg icon)
expect("${icon}" "the icon" "<svg")

# The compressed files: gzip with neither a name nor a time stamp in the header
# (gzip -9n), and what they hold is the manual page and this version's changelog.
foreach(gz man/man1/solenorium.1.gz doc/solenorium/changelog.gz)
    file(READ ${share}/${gz} head LIMIT 8 HEX)
    if(NOT head STREQUAL "1f8b080000000000")
        message(FATAL_ERROR "${gz} is not compressed by gzip -n: header ${head}")
    endif()
endforeach()
run("manual page" gzip -dc ${share}/man/man1/solenorium.1.gz)
expect("${said}" "manual page" "^\\.TH SOLENORIUM 1 " "\n\\.SH NAME\nsolenorium \\\\- " "F1")
run("changelog" gzip -dc ${share}/doc/solenorium/changelog.gz)
expect("${said}" "changelog" "^solenorium \\(${VERSION}\\) ")
message(STATUS "installed tree is complete")
