# `cpack -G DEB` in the build folder makes a Debian package of the install tree.
set(CPACK_PACKAGE_NAME pelmo)
set(CPACK_PACKAGE_VENDOR "Pelmo developers")
set(CPACK_PACKAGE_CONTACT "Pelmo developers <pelmo@tebrovan.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "free disk space safely by moving what is not needed to the Trash")
# Lines of at most 80 characters: CPack indents them as the control file wants.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Pelmo frees disk space inside the home folder. It looks only at places it"
    "knows: application caches, logs and crash reports, developer-tool data, data"
    "of applications that are no longer installed, installer images, duplicate"
    "files and large files. It lets you review and select what it found, and moves"
    "the chosen items to the Trash."
    ""
    "It never deletes anything itself: every moved item is written to a history"
    "from which it can be put back. The same scan and clean-up are available from"
    "the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; what is loaded at run time by name is listed here:
# the QML modules the views import, the platform plugins, and gio for the desktop's Trash.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-workerscript, qml6-module-qtquick, \
qml6-module-qtquick-controls, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, \
qml6-module-qtquick-templates, qml6-module-qtquick-window, qt6-qpa-plugins, libglib2.0-bin")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme, qt6-wayland, qt6-translations-l10n")

include(CPack)
