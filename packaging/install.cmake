# `cmake --install`: the program, its data, a launcher on the PATH and a
# desktop entry with its icon, laid out as Linux desktops expect.
include(GNUInstallDirs)
# The launcher finds the rest relative to itself, so a staged or relocated
# install (cmake --install --prefix, DESTDIR) works as well.
file(RELATIVE_PATH JADELOOM_DATA_DIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/jadeloom)
file(RELATIVE_PATH JADELOOM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/jadeloom/jadeloom)
configure_file(${CMAKE_SOURCE_DIR}/packaging/jadeloom.in ${CMAKE_BINARY_DIR}/packaging/jadeloom @ONLY)

install(TARGETS jadeloom RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/jadeloom)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/jadeloom DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Assets DESTINATION ${CMAKE_INSTALL_DATADIR}/jadeloom
        PATTERN Players EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/intro.avi ${CMAKE_SOURCE_DIR}/splash.png
              ${CMAKE_SOURCE_DIR}/logo.png ${CMAKE_SOURCE_DIR}/icon.bmp
        DESTINATION ${CMAKE_INSTALL_DATADIR}/jadeloom)
install(FILES ${CMAKE_SOURCE_DIR}/config/jadeloom_demo.cfg DESTINATION ${CMAKE_INSTALL_DATADIR}/jadeloom/config)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/prepare-workdir.sh DESTINATION ${CMAKE_INSTALL_DATADIR}/jadeloom)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/jadeloom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/jadeloom.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
foreach(size 16 32 48 64 128)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${size}x${size}/jadeloom.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.jadeloom.jadeloom.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the change log are installed compressed, as Debian
# wants them; gzip -n keeps the name and time out, so equal input gives
# equal bytes.
set(JADELOOM_GZIPPED)
foreach(file jadeloom.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip
            ${CMAKE_SOURCE_DIR}/packaging/${file} ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file}
    VERBATIM)
  list(APPEND JADELOOM_GZIPPED ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
endforeach()
add_custom_target(jadeloom_docs ALL DEPENDS ${JADELOOM_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/jadeloom.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
