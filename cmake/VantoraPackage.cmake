# The Debian package: `cpack -G DEB` in a build folder (or scripts/package) makes
# vantora_<version>_amd64.deb from what `cmake --install` installs, with its dependencies worked out
# from the programs' libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "vantora")
set(CPACK_PACKAGE_VENDOR "Vantora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turns screenshots into interactive tutorial movies")
set(CPACK_PACKAGE_DESCRIPTION
  "Vantora turns a series of screenshots into an interactive tutorial movie: scenes with speech
balloons, notes, shapes, images, text, buttons, a moving mouse pointer and sounds. It publishes a
Flash movie, a stand-alone program, web pages, videos and AutoRun CD folders. Discora, its disc
burner, writes a folder to CD/DVD or an ISO image.")
set(CPACK_PACKAGE_CONTACT "Vantora support <support@vantora.app>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT") # vantora_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vantora.app")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs load at run time without linking it: the multimedia back end of sound
# playback, and the face that stands in for "Arial".
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation2")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
include(CPack)
