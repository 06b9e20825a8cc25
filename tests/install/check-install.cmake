# Installs the build into a scratch prefix and checks what a desktop expects.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(path bin/solenorium share/applications/solenorium.desktop share/icons/hicolor/scalable/apps/solenorium.svg)
    if(NOT EXISTS ${WORK_DIR}/usr/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${VALIDATE} ${WORK_DIR}/usr/share/applications/solenorium.desktop
                RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT valid EQUAL 0 OR said MATCHES "error")
    message(FATAL_ERROR "desktop entry refused: ${said}")
endif()

file(READ ${WORK_DIR}/usr/share/applications/solenorium.desktop entry)
foreach(expected "Exec=solenorium" "Icon=solenorium" "Categories=Science;Electronics;" "Comment[it]=")
    string(FIND "${entry}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${expected}")
    endif()
endforeach()

file(READ ${WORK_DIR}/usr/share/icons/hicolor/scalable/apps/solenorium.svg icon)
string(FIND "${icon}" "<svg" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the icon is not an SVG picture")
endif()
message(STATUS "installed tree is complete")
