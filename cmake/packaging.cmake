# The Debian package, from the project's version record: `cpack -G DEB` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ostrel)
set(CPACK_PACKAGE_VERSION "${OSTREL_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "${OSTREL_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "${OSTREL_PRODUCT} shows one chapter of the Tao Te Ching, drawn at random, with its English text, its number and its traditional romanised title.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OSTREL_MAKER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps names every library the program links (libqt6widgets6, libqt6gui6, ...); the
# display plugins and the font that stands for "Arial" are loaded, not linked, so only this list
# can name them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-liberation")
include(CPack)
