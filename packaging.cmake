# Installation and the Debian package: the program, its data (help pages), the desktop entry,
# the icon in its sizes, the AppStream metadata and the man page.
install(TARGETS quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Every help page of the calculation help, installed under its exact (case-sensitive) name
# and, at build time, copied beside the program, so that a run from the build folder finds them.
file(GLOB QUILLON_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/help/*.rtf)
install(FILES ${QUILLON_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon)
add_custom_target(quillon_help_pages ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUILLON_HELP_PAGES} $<TARGET_FILE_DIR:quillon>
    DEPENDS ${QUILLON_HELP_PAGES} VERBATIM)
install(FILES data/quillon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.quillon.Quillon.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/quillon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG sizes of the icon, rendered from the SVG at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
foreach(size 16 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/quillon.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${CMAKE_CURRENT_SOURCE_DIR}/data/quillon.svg
                -o ${png}
        DEPENDS data/quillon.svg VERBATIM)
    list(APPEND QUILLON_ICONS ${png})
    install(FILES ${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(quillon_icons ALL DEPENDS ${QUILLON_ICONS})

# The man page, compressed as Debian installs man pages.
set(QUILLON_MAN ${CMAKE_CURRENT_BINARY_DIR}/quillon.1.gz)
add_custom_command(OUTPUT ${QUILLON_MAN}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/quillon.1 > ${QUILLON_MAN}
    DEPENDS data/quillon.1 VERBATIM)
add_custom_target(quillon_man ALL DEPENDS ${QUILLON_MAN})
install(FILES ${QUILLON_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon <quillon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analytic geometry and vector calculus for school")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillon is a teaching program with a German user interface for pupils and teachers. A\n"
    "pupil picks a task (a line with a plane, a sphere through four points, ...), types the\n"
    "coordinates or takes an example, and reads a result sheet of formatted mathematics beside\n"
    "a rotatable 3-D drawing. Every input number on the sheet can be clicked up or down.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the shared libraries: the platform plugins that open windows, and the fonts whose
# metrics the sheet's column layout relies on.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
