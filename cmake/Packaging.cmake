# `cpack -G DEB` in the build directory makes a Debian package of the installed layout.
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT "The Tolvane developers <developers@tolvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact calculator for Japanese telephone call charges")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvane turns call minutes into yen and yen into call minutes for Japanese\n\
telephone tariffs: a charging plan, the kind of telephone called, a time band\n\
and a distance band. Rates for ordinary telephones come from a table file\n\
installed beside the program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries from what the executable links; the rest is what it needs at run time and no linker
# sees: Qt's platform plugins, Qt's own texts in Japanese, and a font that has Japanese glyphs
# (IPA P Gothic first: the window's boxes were drawn for it). Qt's Wayland plugin lets the
# window run natively on a Wayland desktop rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
