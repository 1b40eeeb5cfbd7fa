# What `cmake --install` puts where, and the Debian package `make package`
# builds from it. The button set and the vocabulary go to
# share/qd5tastwerk, where the person finds them through the folder list.
include(GNUInstallDirs)

set(TASTWERK_APP_ID de.qd5tastwerk.Tastwerk)
set(TASTWERK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/qd5tastwerk)

install(TARGETS qd5tastwerk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian builds its programs with the table of library addresses read-only
# from the start; so do we.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  target_link_options(qd5tastwerk PRIVATE LINKER:-z,relro,-z,now)
endif()
install(FILES data/${TASTWERK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES src/widgets/common/resources/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ${TASTWERK_APP_ID}.png)
install(FILES src/widgets/common/resources/icon_128.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME ${TASTWERK_APP_ID}.png)
install(DIRECTORY data/buttons/ DESTINATION ${TASTWERK_DATA_DIR}/buttons FILES_MATCHING PATTERN "*.gif")
install(FILES data/Quonda.dat DESTINATION ${TASTWERK_DATA_DIR})
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qd5tastwerk)

# The desktop's side: the file type of menu files (the entry above names it
# in MimeType=), the software centre's entry, the manual page and the files
# Debian wants beside every package. Manual page and changelog go in
# compressed without name or time stamp, as Debian's tools compress them.
if(UNIX)
  install(FILES data/${TASTWERK_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES data/${TASTWERK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qd5tastwerk)
  install(FILES packaging/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME qd5tastwerk)

  find_program(GZIP_PROGRAM gzip REQUIRED)
  set(compressed)
  foreach(source packaging/qd5tastwerk.1 packaging/changelog.Debian)
    get_filename_component(name ${source} NAME)
    set(target ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${target}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
      COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${target}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND compressed ${target})
  endforeach()
  add_custom_target(compressed_documents ALL DEPENDS ${compressed})
  install(FILES ${PROJECT_BINARY_DIR}/packaging/qd5tastwerk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qd5tastwerk)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qd5tastwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The program's version is its own; the package of it counts separately
# (packaging/changelog.Debian).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "QD5 Tastwerk")
set(CPACK_PACKAGE_CONTACT "QD5 Tastwerk <dev@qd5-tastwerk.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose the custom menu file of a handheld navigation device")
set(CPACK_PACKAGE_DESCRIPTION
  "QD5 Tastwerk (German user interface) lets you pick a folder of button\n"
  "pictures, click a custom menu together page by page, correct it by hand,\n"
  "look at a preview drawn the way the device shows it and save it as a\n"
  "menu file. A button set of 74 pictures and a vocabulary of German button\n"
  "captions are included.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Qt finds its platform plugin, the German texts of its dialogs and our
# fonts only at run time, so no library scan can see them.
set(TASTWERK_RUNTIME_PACKAGES
  "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation2")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TASTWERK_RUNTIME_PACKAGES}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6, libc6, ${TASTWERK_RUNTIME_PACKAGES}")
endif()

include(CPack)
