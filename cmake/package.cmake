# The Debian package (cpack -G DEB), a native one: its version is the program's own, with no
# Debian revision. Its library dependencies are read from the executable (dpkg-shlibdeps); fonts
# are no library, so the font package the program asks for where Arial is missing is named.
set(CPACK_PACKAGE_NAME zuzazizo)
set(CPACK_PACKAGE_VENDOR Tessaron)
set(CPACK_PACKAGE_CONTACT "Zuzazizo developers <zuzazizo@packages.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LCD baseball handheld simulator that doubles as a clock")
set(CPACK_PACKAGE_DESCRIPTION
    "A pitcher throws balls down three lanes of a little LCD screen, and the\n\
batter strikes them. Outside a game the handheld shows the time of day, an\n\
alarm, the date or a chronometer.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zuzazizo)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's "games" section means a program in /usr/games; ours is a command in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2 and SDL2_mixer are loaded when the sound output or a game controller first needs them, so
# shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
include(CPack)
