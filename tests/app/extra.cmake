# The version reader's samples are committed in tests/app/data: small Windows programs that
# make_samples.py there writes with a PE writer of our own, and version.bin, the program's block as
# the Windows resource compiler wrote it, which the build's own block must equal byte for byte.
set(KV_VERINFO_DATA ${CMAKE_CURRENT_LIST_DIR}/data)
add_test(NAME version_block_reference
  COMMAND ${CMAKE_COMMAND} -E compare_files ${KV_VERSION_BLOCK} ${KV_VERINFO_DATA}/version.bin)
# The committed programs are what the script writes, and its block writer (independent of the
# build's) writes the reference block too.
add_test(NAME verinfo_samples_as_written COMMAND /usr/bin/python3 ${KV_VERINFO_DATA}/make_samples.py --check)
set_tests_properties(version_block_reference verinfo_samples_as_written PROPERTIES LABELS "app")

if(TARGET test_app)
  add_dependencies(test_app kvelli99)
  target_compile_definitions(test_app PRIVATE KV_VERINFO_DATA="${KV_VERINFO_DATA}")
endif()
if(TARGET test_app_ui)
  # The About window is tested on the program's own block.
  add_dependencies(test_app_ui kvelli99)
  target_compile_definitions(test_app_ui PRIVATE KV_VERINFO_DATA="${KV_VERINFO_DATA}")
endif()

if(TARGET test_app_ui)
  # The windows on a screen that doubles pixels, in every language at one resolution (the others
  # are the unscaled run's; all of them at twice the pixels outlast a sanitized build's bound).
  add_test(NAME app_ui_scale2 COMMAND test_app_ui --gtest_filter=HiDpi.*:Dpi/LabelsFit.*/96dpi_*)
  set_tests_properties(app_ui_scale2 PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" LABELS "app" TIMEOUT 1200
    # The longest test by far: started first, beside the others, rather than alone at the end
    # of a fresh build's run (one that ran before orders by its own times).
    COST 1000)
endif()

# The board through the real accessibility bus: Xvfb, a private session bus, the AT-SPI bus and
# registry, the game, and an AT-SPI client, all started and stopped by the script.
add_test(NAME app_ui_atspi COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/ui/atspi_board.py $<TARGET_FILE:kvelli99>)
set_tests_properties(app_ui_atspi PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "app;ui")

# The game on Weston's headless backend: its window state keeps the place stored on X11.
add_test(NAME app_ui_wayland COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/ui/wayland_state.py $<TARGET_FILE:kvelli99>)
set_tests_properties(app_ui_wayland PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "app;ui")
