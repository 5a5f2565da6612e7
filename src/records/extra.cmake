# kvelli99-records: the administrator's tool for records tables, and the results server's one
# implementation of the format (it checks, merges and pages every table a player sends). It links
# the game core too: the server believes a new entry only when the game's own rules replay its
# proof to that score.
add_executable(kvelli99-records ${KV_SRC}/records/tool/RecordsTool.cpp ${KV_SRC}/records/tool/AdminCommands.cpp
  ${KV_SRC}/records/tool/HelperProtocol.cpp ${KV_SRC}/records/tool/Merge.cpp
  ${KV_SRC}/records/tool/ProofCheck.cpp)
target_link_libraries(kvelli99-records PRIVATE kv_records kv_game)
# A common table for several results-server front ends lives in PostgreSQL (Debian's libpq-dev).
# Optional, so that the game builds with a compiler, CMake and Qt alone; without libpq the tool
# refuses --database with a clear message.
find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(KV_LIBPQ IMPORTED_TARGET libpq)
endif()
target_sources(kvelli99-records PRIVATE ${KV_SRC}/records/tool/PgStore.cpp ${KV_SRC}/records/tool/PgStore.h)
if(KV_LIBPQ_FOUND)
  target_compile_definitions(kvelli99-records PRIVATE KV_HAVE_LIBPQ=1)
  target_link_libraries(kvelli99-records PRIVATE PkgConfig::KV_LIBPQ)
else()
  message(STATUS "libpq not found: kvelli99-records is built without the PostgreSQL store")
endif()

# The capacity script's players: games played to their end through the core, with their proofs.
# Built only when asked for (scripts/measure-server.sh does).
add_executable(play_games EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/play_games.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/PlayGame.cpp)
target_include_directories(play_games PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(play_games PRIVATE kv_game kv_records)
