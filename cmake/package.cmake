# Installing Tessla (cmake --install) and its Debian package (cpack): the two programs, the painted
# skin the first run builds the sample with, the desktop entry, the AppStream metainfo software
# centres read, the icon as SVG and as PNGs drawn from it at build time, a manual page for each
# program, the copyright file and the changelog. The version is the project's.

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/releases.cmake)

set(TESSLA_APP_ID se.tessla.Tessla)
set(TESSLA_MAINTAINER "Tessla developers <tessla@example.org>")
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS tessla tessla-db RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package, `cmake --install --strip`) also drops the compilers' version
# notes that every object file brings along, as Debian strips its own programs.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program tessla tessla-db)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(DIRECTORY ${TESSLA_SKIN_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tessla/skin)
install(FILES ${packaging}/${TESSLA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/tessla.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TESSLA_APP_ID}.svg)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessla)
install(FILES ${packaging}/tessla.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tessla)

# The PNG icons, drawn from the SVG.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons)
foreach(size 16 24 32 48 64 128 256)
  set(icon ${generated}/icons/${size}x${size}/${TESSLA_APP_ID}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${icon} ${packaging}/tessla.svg
    DEPENDS ${packaging}/tessla.svg
    COMMENT "Drawing the ${size}x${size} icon")
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual pages, with the version written in and compressed as Debian keeps them.
set(manuals)
foreach(program tessla tessla-db)
  configure_file(${packaging}/${program}.1.in ${generated}/${program}.1 @ONLY)
  add_custom_command(OUTPUT ${generated}/${program}.1.gz
    COMMAND gzip -9nf -k ${generated}/${program}.1
    DEPENDS ${generated}/${program}.1
    COMMENT "Compressing the manual page of ${program}")
  list(APPEND manuals ${generated}/${program}.1.gz)
  install(FILES ${generated}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# The release history, kept once in packaging/releases: the metainfo's releases and the Debian
# changelog (compressed without a name or time stamp, so equal sources give equal bytes).
tessla_read_releases(${packaging}/releases ${PROJECT_VERSION} "${TESSLA_MAINTAINER}"
  TESSLA_RELEASES_XML changelog)
configure_file(${packaging}/${TESSLA_APP_ID}.metainfo.xml.in ${generated}/${TESSLA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${TESSLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(WRITE ${generated}/changelog.new "${changelog}")
file(COPY_FILE ${generated}/changelog.new ${generated}/changelog ONLY_IF_DIFFERENT)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND gzip -9nf -k ${generated}/changelog
  DEPENDS ${generated}/changelog
  COMMENT "Compressing the changelog")
install(FILES ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessla)

add_custom_target(tessla_package_files ALL DEPENDS ${icons} ${manuals} ${generated}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessla)
set(CPACK_PACKAGE_VENDOR "Tessla developers")
set(CPACK_PACKAGE_CONTACT "${TESSLA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "search a Swedish census of about 1890")
# Debian's lines of a description are at most 80 characters, the leading space included.
set(CPACK_PACKAGE_DESCRIPTION
    "Tessla searches a read-only database of a Swedish national census of about\n"
    "1890 by up to six criteria, shows the formatted record and the household\n"
    "split into families, prints, copies and counts statistics, in Swedish or\n"
    "English. tessla-db, its command-line companion, generates a synthetic\n"
    "census, builds databases and searches them. On the first run the program\n"
    "offers to build a sample database of 200 000 made-up persons.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What shlibdeps cannot see: the platform plugins Qt needs to open a window, and the fonts the
# layout and the print metrics assume.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Swedish texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
