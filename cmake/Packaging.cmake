# `cpack -G DEB` in the build directory (make deb) makes a Debian package of the installed layout.
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT "The Tolvane developers <developers@tolvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator that estimates Japanese telephone call charges")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvane turns call minutes into yen and yen into call minutes for Japanese\n\
telephone tariffs: a charging plan, the kind of telephone called, a time band\n\
and a distance band. Rates for ordinary telephones come from a table file,\n\
/etc/tolvane/table.csv, which an administrator may edit. The shipped rates are\n\
an example, not any carrier's price list: the answers are estimates.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries from what the executable links; the rest is what it loads at run time and no linker
# sees: Qt's own texts in Japanese, and a font that has Japanese glyphs (IPA P Gothic first: the
# window's boxes were drawn for it). Qt's X11 and offscreen platform plugins and its input
# method plugins come with libqt6gui6, which the executable links anyway. Qt's Wayland plugin
# lets the window run natively on a Wayland desktop rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# The rates are the one thing an administrator may edit, and an edit must survive upgrades. So
# the package ships table.csv as a conffile in /etc/tolvane (dpkg keeps an edited conffile on
# upgrade and asks before replacing it), and the table beside the program becomes a relative
# link to it, which the program follows like any file. These rules form the "debian"
# component, which only the package installs; a plain install keeps the file itself beside the
# program (component "table"), which the package leaves out.
set(TOLVANE_CONFFILE_DIR /etc/tolvane)
install(FILES ${TOLVANE_SHIPPED_TABLE} DESTINATION ${TOLVANE_CONFFILE_DIR}
    COMPONENT debian EXCLUDE_FROM_ALL)
file(RELATIVE_PATH table_link ${CPACK_PACKAGING_INSTALL_PREFIX}/${TOLVANE_PROGRAM_DIR}
    ${TOLVANE_CONFFILE_DIR}/table.csv)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/debian-link)
file(CREATE_LINK ${table_link} ${PROJECT_BINARY_DIR}/debian-link/table.csv SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/debian-link/table.csv DESTINATION ${TOLVANE_PROGRAM_DIR}
    COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The packaged program is stripped as Debian strips programs: symbols, and the compiler's
# .comment and .note sections, go. (A plain install keeps them, for debugging.)
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment
        --remove-section=.note --strip-unneeded
        \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TOLVANE_PROGRAM_DIR}/tolvane
    COMMAND_ERROR_IS_FATAL ANY)"
    COMPONENT debian EXCLUDE_FROM_ALL)

# What Debian asks of every package besides: the changelog, compressed (the name a native
# package uses); and lintian's overrides, each with its reason (data/debian/lintian-overrides).
tolvane_gzip(data/debian/changelog debian_changelog)
install(FILES ${debian_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR}
    COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME tolvane COMPONENT debian EXCLUDE_FROM_ALL)
# Everything installed without a component of its own ("Unspecified"), then the "debian" one.
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} Unspecified /
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} debian /)

include(CPack)
