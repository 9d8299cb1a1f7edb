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
