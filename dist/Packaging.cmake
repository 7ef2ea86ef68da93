# SPDX-License-Identifier: MIT
# The Debian package (make package, or cpack in a build folder): the install tree under /usr.
# dpkg-shlibdeps finds the libraries the programs link; what they load or read at run time is
# named here: Qt's SVG icon engine draws every icon of the window, the window's texts need a
# Japanese font, and the music preview a General MIDI sound font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vistrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vistrel developers")
set(CPACK_PACKAGE_CONTACT "The Vistrel developers <${VISTREL_MAIL_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make a small web site from a folder of photographs")
# The control file keeps the description's lines as they are; Debian wants them under 80.
set(CPACK_PACKAGE_DESCRIPTION [[
Vistrel turns a folder of photographs (JPEG, PNG, GIF) into a small static
web site: a thumbnail index (plain or as a frame set), thumbnails, copies of
the images and one page per image with navigation, comment, file details and
EXIF shooting data, or a single slideshow page with transitions and
background music. The window (vistrel) is in Japanese; the command line
program (vistrel-cli) makes the same site from the same settings.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VISTREL_BUILD_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6svg6, fonts-noto-cjk | fonts-ipafont-gothic, timgm6mb-soundfont | fluid-soundfont-gm")
    # Qt's own buttons in Japanese, and the browser or viewer that 表示 and ヘルプ open.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
endif()

include(CPack)
