# `cpack` (or the `package` target): a Debian package of what `cmake --install`
# lays out, under /usr. Its library dependencies are computed by
# dpkg-shlibdeps from the program itself, never typed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jadeloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Jadeloom developers <developers@jadeloom.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D tile-matching solitaire")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "3D tile-matching solitaire
 Jadeloom stacks 144 tiles in a layout on a table in a furnished room;
 clear the board by removing pairs of matching tiles that are free.
 Holding slots, hints, undo, a clock and a score help and measure you,
 and your players, their statistics, trophies and the game in progress
 are kept between runs. It needs OpenGL; software rendering works.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The launcher and the working-directory script need only bash, which every
# Debian system has.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
