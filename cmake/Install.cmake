# Installation under any prefix (CMAKE_INSTALL_PREFIX, DESTDIR) and the Debian package (CPack).
include(GNUInstallDirs)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH KV_TOP)
set(KV_PACKAGING ${KV_TOP}/packaging)
set(KV_APP_ID io.github.kvelli99.kvelli99)
set(KV_FONTCONF 65-kvelli99.conf)
# The renderings of the program's icon, by size in pixels; the first, 32, is the original drawing
# and the tests compare the others with it.
set(KV_ICON_SIZES 32 16 64 128 256)
set(KV_ICON_PATTERN "${KV_TOP}/assets/icon-@SIZE@.png")

# Debian keeps games in <prefix>/games (/usr/games, /usr/local/games: both on a user's PATH).
set(KV_GAME_BINDIR games CACHE STRING "where the game's program goes, relative to the prefix")
install(TARGETS kvelli99 RUNTIME DESTINATION ${KV_GAME_BINDIR})

# What Debian wants of every package: the copyright, the changelog (compressed, as the manual
# pages), in the package's directory of /usr/share/doc. Compressed at configure time, so that the
# staged tree is the package; configure_file makes CMake run again when a source changes.
set(KV_PKGDOC ${CMAKE_BINARY_DIR}/pkgdoc)
configure_file(${KV_PACKAGING}/changelog.in ${KV_PKGDOC}/changelog @ONLY)
configure_file(${KV_PACKAGING}/kvelli99.6 ${KV_PKGDOC}/kvelli99.6 COPYONLY)
configure_file(${KV_PACKAGING}/server/kvelli99-records.1 ${KV_PKGDOC}/kvelli99-records.1 COPYONLY)
foreach(kv_doc changelog kvelli99.6 kvelli99-records.1)
  execute_process(COMMAND gzip -9nf ${kv_doc} WORKING_DIRECTORY ${KV_PKGDOC} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${KV_PACKAGING}/copyright ${KV_PKGDOC}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KV_PKGDOC}/kvelli99.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The desktop entry, the store page and the icons carry the program's id (kv::ui::kAppId).
install(FILES ${KV_PACKAGING}/${KV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KV_PACKAGING}/${KV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The saved game's own file type; the package's trigger (shared-mime-info) rebuilds the database.
install(FILES ${KV_PACKAGING}/mime/${KV_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size ${KV_ICON_SIZES})
  string(REPLACE "@SIZE@" ${size} icon "${KV_ICON_PATTERN}")
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${KV_APP_ID}.png)
endforeach()
install(FILES ${KV_TOP}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(EXISTS ${KV_TOP}/docs/install.md)
  install(FILES ${KV_TOP}/docs/install.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Font aliases: the file goes to conf.avail under the prefix and is switched on by a link in
# fontconfig's conf.d, where GNUInstallDirs puts the configuration of that prefix (/etc for /usr).
# Fontconfig reads only /etc/fonts, so under other prefixes the program's own substitutes
# (kv::ui::InstallFontSubstitutes) do the work. Computed at install time: CPack installs with
# a prefix of its own.
install(FILES ${KV_PACKAGING}/fontconfig/${KV_FONTCONF} DESTINATION ${CMAKE_INSTALL_DATADIR}/fontconfig/conf.avail)
install(CODE "
  set(kv_prefix \"\${CMAKE_INSTALL_PREFIX}\")
  if(kv_prefix STREQUAL \"/usr\")
    set(kv_etc /etc)
  elseif(kv_prefix MATCHES \"^/opt/\")
    set(kv_etc \"/etc\${kv_prefix}\")
  else()
    set(kv_etc \"\${kv_prefix}/etc\")
  endif()
  set(kv_target \"\${kv_prefix}/${CMAKE_INSTALL_DATADIR}/fontconfig/conf.avail/${KV_FONTCONF}\")
  set(kv_link \"\$ENV{DESTDIR}\${kv_etc}/fonts/conf.d/${KV_FONTCONF}\")
  message(STATUS \"Installing: \${kv_link} -> \${kv_target}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${kv_etc}/fonts/conf.d\")
  file(CREATE_LINK \"\${kv_target}\" \"\${kv_link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${kv_link}\")
")

include(${CMAKE_CURRENT_LIST_DIR}/ServerInstall.cmake)

# The Debian package: everything under /usr, the font link in /etc/fonts/conf.d.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvelli99)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kvelli 99 authors")
set(CPACK_PACKAGE_CONTACT "Kvelli 99 maintainers <maintainers@kvelli99.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic game: swap neighbouring balls to make runs of one colour")
set(CPACK_PACKAGE_DESCRIPTION "\
Kvelli '99 (Квелли 99) is played on a board of 8 x 8 balls in eight colours:
swap a ball with a neighbour to make a run of three or more of one colour.
The 20 best results are kept in a records table that several players can
share over the network, and results can be sent to a results server that
publishes a common table on the web. The interface is in Russian and
English, following the desktop's language.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kvelli99.github.io/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps adds the libraries with their versions; the rest are loaded at run time:
# the platform plugins, the faces that stand in for "Times New Roman" and "MS Sans Serif", and
# those with the letters of the translations (DejaVu: Arabic, Persian, Hebrew; Noto CJK: Japanese,
# Korean, Chinese), which fontconfig falls back to. OpenSSL carries the exchange's TLS;
# ca-certificates is the trust store its certificates are checked against.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6widgets6, libqt6gui6, libqt6core6, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core, fonts-noto-cjk, fontconfig, libssl3, ca-certificates")
# The native platform plugin of GNOME's and KDE's default sessions; without it Qt uses XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
find_program(KV_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KV_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)

if(KV_TESTS)
  list(JOIN KV_ICON_SIZES " " kv_icon_sizes)
  add_test(NAME install_tree
    COMMAND bash ${KV_PACKAGING}/tests/check-install.sh ${CMAKE_BINARY_DIR} ${KV_APP_ID} "${kv_icon_sizes}"
      ${KV_TOP} $<TARGET_FILE:kvelli99>)
  add_test(NAME deb_package
    COMMAND bash ${KV_PACKAGING}/tests/check-deb.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${KV_APP_ID}
      "${kv_icon_sizes}" $<TARGET_FILE:kvelli99>)
  add_test(NAME store_page COMMAND bash ${KV_PACKAGING}/tests/check-store.sh ${KV_TOP} ${KV_APP_ID})
  set_tests_properties(install_tree deb_package store_page PROPERTIES TIMEOUT 600 LABELS packaging)
endif()
