# The Debian package, made by CPack:
#   cmake --build build && (cd build && cpack -G DEB)
# gives vantor_<version>_<arch>.deb. Installed layout: the programs and their
# data in /usr/lib/vantor, links to the programs in /usr/bin, the desktop
# files, manual pages and AppStream metadata under /usr/share.
if(NOT UNIX OR APPLE)
    return()
endif()

# The names the program's file-type registration derives from "Vantor_E6x"
# (shell/FileTypeRegistration.h); the installed files use the same ones, so a
# per-user registration only ever shadows the system-wide one.
set(VANTOR_DESKTOP_ID vantor-e6x.desktop)
set(VANTOR_MIME_TYPE application/x-vantor-e6x)
set(VANTOR_APPSTREAM_ID de.vantor.Editor)
# Dates of this release, fixed so that the package builds the same every time.
set(VANTOR_RELEASE_DATE 2025-01-15)
set(VANTOR_MAN_DATE "January 2025")
set(VANTOR_CHANGELOG_DATE "Wed, 15 Jan 2025 12:00:00 +0000")

set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "The Vantor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and uploader for Vantor lighting module shows")
set(CPACK_PACKAGE_DESCRIPTION
    "An editor, simulator and uploader for the light shows of the Vantor
lighting module, an after-market module for BMW and Mini cars that plays a
light sequence on the exterior lamps when the car is unlocked and locked.
Shows are composed as tables of timed steps by clicking lamps on pictures of
the car, played back with their real timing, saved as .zfx files and sent to
the module over a serial port. The package also holds zfxtool, for sequence
files on the command line, and a simulated module for trying the upload.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantor developers <vantor@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the tools are those the program runs
# itself (xdg-mime, xdg-open, update-mime-database).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, shared-mime-info")

add_subdirectory(packaging)
include(CPack)
