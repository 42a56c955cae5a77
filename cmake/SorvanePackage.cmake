# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: "cpack -G DEB" in the build folder gives sorvane_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME sorvane)
set(CPACK_PACKAGE_VENDOR "Sorvane developers")
set(CPACK_PACKAGE_CONTACT "Sorvane developers <sorvane@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeper of password files with a Qt window")
set(CPACK_PACKAGE_DESCRIPTION
    "Sorvane keeps each password as the first line of a file of its own, in plain form or\n\
enciphered under a master key. One window copies the selected file's password to the\n\
clipboard, writes a typed or generated password into a file, generates passwords, browses\n\
folders, and creates, deletes and renames password files and folders.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages (Qt 6, the C++ runtime) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a shipped tahoma.ttf the window's face maps to one of these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-dejavu-core")

include(CPack)
