# The results server as a package of its own, kvelli99-server: the install component "server"
# (the records tool, the server and its pictures, the systemd unit, the man page, the guide) and
# a second CPack configuration for it, CPackServerConfig.cmake in the build directory:
#   cpack --config build/CPackServerConfig.cmake
# The game's package (CPackConfig.cmake) keeps to the default component. Included from
# Install.cmake before include(CPack).
set(KV_SERVER_SHARE ${CMAKE_INSTALL_DATADIR}/kvelli99-server)
set(KV_SERVER_DOC ${CMAKE_INSTALL_DATADIR}/doc/kvelli99-server)

install(TARGETS kvelli99-records RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT server)
install(PROGRAMS ${KV_TOP}/server/results-server.sh DESTINATION ${KV_SERVER_SHARE} COMPONENT server)
# The server's modules side by side: results_server.py imports the others from its own directory.
install(FILES ${KV_TOP}/server/results_server.py ${KV_TOP}/server/results_merge.py ${KV_TOP}/server/results_ftp.py
  ${KV_TOP}/server/results_workers.py DESTINATION ${KV_SERVER_SHARE} COMPONENT server)
install(DIRECTORY ${KV_TOP}/server/www DESTINATION ${KV_SERVER_SHARE} COMPONENT server)
install(FILES ${KV_PKGDOC}/kvelli99-records.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT server)
install(FILES ${KV_TOP}/docs/results-server.md ${KV_PACKAGING}/copyright ${KV_PKGDOC}/changelog.gz
  DESTINATION ${KV_SERVER_DOC} COMPONENT server)
install(FILES ${KV_PACKAGING}/server/nginx-site.conf ${KV_PACKAGING}/server/nginx-site-https.conf
  DESTINATION ${KV_SERVER_SHARE} COMPONENT server)

install(FILES ${KV_PACKAGING}/server/kvelli99-server.sysusers DESTINATION lib/sysusers.d
  RENAME kvelli99-server.conf COMPONENT server)
# The unit names the installed files, so it is made at install time, for the prefix of that
# install (CPack's own included).
install(CODE "
  # The options file goes where the configuration of the prefix goes, as the font link does:
  # /etc/default for /usr (a conffile of the package).
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(KV_ETC /etc)
  elseif(CMAKE_INSTALL_PREFIX MATCHES \"^/opt/\")
    set(KV_ETC \"/etc\${CMAKE_INSTALL_PREFIX}\")
  else()
    set(KV_ETC \"\${CMAKE_INSTALL_PREFIX}/etc\")
  endif()
  file(INSTALL \"${KV_PACKAGING}/server/kvelli99-server.default\" DESTINATION \"\${KV_ETC}/default\"
    RENAME kvelli99-server)
  set(KV_SHARE \"\${CMAKE_INSTALL_PREFIX}/${KV_SERVER_SHARE}\")
  set(KV_DOC \"\${CMAKE_INSTALL_PREFIX}/${KV_SERVER_DOC}\")
  set(KV_BIN \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  configure_file(\"${KV_PACKAGING}/server/kvelli99-server.service.in\"
    \"${CMAKE_BINARY_DIR}/server-unit/kvelli99-server.service\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/server-unit/kvelli99-server.service\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/lib/systemd/system\")
" COMPONENT server)

# The game's package holds only the game.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
find_program(KV_DPKG_SHLIBDEPS_PATH dpkg-shlibdeps)
configure_file(${KV_PACKAGING}/server/CPackServerConfig.cmake.in ${CMAKE_BINARY_DIR}/CPackServerConfig.cmake @ONLY)

if(KV_TESTS)
  add_test(NAME server_package
    COMMAND bash ${KV_PACKAGING}/server/check-server-package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(server_package PROPERTIES TIMEOUT 600 LABELS "packaging;server")
endif()
