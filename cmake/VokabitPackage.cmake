# A Debian package of what "cmake --install" installs: the program, the list
# converter, the data, the desktop entry, the icon, the MIME types of the list
# files and the AppStream description. In the build tree: cpack -G DEB
set(CPACK_PACKAGE_NAME vokabit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brannvik")
set(CPACK_PACKAGE_CONTACT "Brannvik <info@vokabit.se>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer: keep word lists and practise them")
# The package's long description, one line of the control file each.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vokabit keeps word lists of up to 300 pairs of a foreign word and its\n"
  "translation, asks them in the direction you choose, checks every answer\n"
  "against the accepted alternatives and repeats the words you missed. It reads\n"
  "and writes its own list files and plain text files, exports web pages,\n"
  "prints lists and speaks Swedish, English and German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vokabit.se/")
# The libraries follow from the binaries; Qt's platform plugin and the sound
# back end do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, xdg-utils")
include(CPack)
