# Windows program files for the version reader's tests, made from the resource scripts in
# tests/app/data with the mingw tools, plus the program itself (its own version block).

set(KV_VERINFO_DATA ${CMAKE_CURRENT_BINARY_DIR}/verinfo-data)
set(KV_VERINFO_SRC ${CMAKE_CURRENT_LIST_DIR}/data)

find_program(KV_WINDRES NAMES x86_64-w64-mingw32-windres windres REQUIRED)
find_program(KV_MINGW_GCC NAMES x86_64-w64-mingw32-gcc REQUIRED)

set(fixtures)
add_custom_command(
  OUTPUT ${KV_VERINFO_DATA}/program.o
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_VERINFO_DATA}
  COMMAND ${KV_MINGW_GCC} -c -O0 -o ${KV_VERINFO_DATA}/program.o ${KV_VERINFO_SRC}/program.c
  DEPENDS ${KV_VERINFO_SRC}/program.c
  VERBATIM)
# A program without any resources.
add_custom_command(
  OUTPUT ${KV_VERINFO_DATA}/plain.exe
  COMMAND ${KV_MINGW_GCC} -o ${KV_VERINFO_DATA}/plain.exe ${KV_VERINFO_DATA}/program.o
  DEPENDS ${KV_VERINFO_DATA}/program.o
  VERBATIM)
list(APPEND fixtures ${KV_VERINFO_DATA}/plain.exe)
foreach(name noversion otherlang flags os0 truncated)
  add_custom_command(
    OUTPUT ${KV_VERINFO_DATA}/${name}.exe
    COMMAND ${KV_WINDRES} --preprocessor=${KV_MINGW_GCC} --preprocessor-arg=-E --preprocessor-arg=-xc
            --preprocessor-arg=-DRC_INVOKED -O coff -o ${KV_VERINFO_DATA}/${name}.res.o
            ${KV_VERINFO_SRC}/${name}.rc
    COMMAND ${KV_MINGW_GCC} -o ${KV_VERINFO_DATA}/${name}.exe ${KV_VERINFO_DATA}/program.o
            ${KV_VERINFO_DATA}/${name}.res.o
    DEPENDS ${KV_VERINFO_SRC}/${name}.rc ${KV_VERINFO_DATA}/program.o
    COMMENT "Making the Windows test program ${name}.exe"
    VERBATIM)
  list(APPEND fixtures ${KV_VERINFO_DATA}/${name}.exe)
endforeach()
add_custom_target(kv_verinfo_fixtures DEPENDS ${fixtures})

if(TARGET test_app)
  add_dependencies(test_app kv_verinfo_fixtures kvelli99)
  target_compile_definitions(test_app PRIVATE KV_VERINFO_DATA="${KV_VERINFO_DATA}")
endif()
if(TARGET test_app_ui)
  # The About window is tested on the program's own block.
  add_dependencies(test_app_ui kvelli99 kv_verinfo_fixtures)
  target_compile_definitions(test_app_ui PRIVATE KV_VERINFO_DATA="${KV_VERINFO_DATA}")
endif()

if(TARGET test_app_ui)
  # The windows on a screen that doubles pixels.
  add_test(NAME app_ui_scale2 COMMAND test_app_ui --gtest_filter=HiDpi.*:Dpi/LabelsFit.*)
  set_tests_properties(app_ui_scale2 PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" LABELS "app" TIMEOUT 300)
endif()

# The board through the real accessibility bus: Xvfb, a private session bus, the AT-SPI bus and
# registry, the game, and an AT-SPI client, all started and stopped by the script.
add_test(NAME app_ui_atspi COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/ui/atspi_board.py $<TARGET_FILE:kvelli99>)
set_tests_properties(app_ui_atspi PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS "app;ui")
