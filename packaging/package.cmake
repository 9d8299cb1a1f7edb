# `cpack` (or the `package` target): a Debian package of what `cmake --install`
# lays out, under /usr. Its library dependencies are computed by
# dpkg-shlibdeps from the program itself, never typed here (those it opens
# itself are named below). Debian keeps the
# commands of games in /usr/games: scripts/package.sh configures a build
# of its own with CMAKE_INSTALL_BINDIR=games for the package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jadeloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Jadeloom developers <developers@jadeloom.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D tile-matching solitaire")
# The synopsis is the summary; CPack indents this text as the long description.
set(CPACK_PACKAGE_DESCRIPTION "Jadeloom stacks 144 tiles, of the classic Chinese set or of a Japanese
kana set, in a layout on a table in a furnished room; clear the board by
removing pairs of matching tiles that are free: nothing lies on them and
their left or right side is open.
.
Three difficulty levels, holding slots, hints, undo, a clock and a score
help and measure you; your players, their statistics, trophies and the
game in progress are kept between runs. Seven layouts are included.
.
The game needs OpenGL; a software renderer serves.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL.so.1 (GLX) itself at run time, which no link shows to
# dpkg-shlibdeps: without it the window cannot open. Mesa's drivers include
# the software renderer for machines without a graphics driver.
# The movie's decoder is opened at run time too (src/audio/MovieLibrary.cpp);
# Debian names a library's package after its soname, whose number is the
# major version of the headers built against.
set(MOVIE_DEPENDS)
foreach(lib libavformat libavcodec libswscale libavutil)
  string(REGEX MATCH "^[0-9]+" major "${FFMPEG_${lib}_VERSION}")
  list(APPEND MOVIE_DEPENDS "${lib}${major}")
endforeach()
list(JOIN MOVIE_DEPENDS ", " MOVIE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, ${MOVIE_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
# The launcher and the working-directory script need only bash, which every
# Debian system has.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
