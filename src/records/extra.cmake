# kvelli99-records: the administrator's tool for records tables, and the results server's one
# implementation of the format (it checks, merges and pages every table a player sends).
add_executable(kvelli99-records ${KV_SRC}/records/tool/RecordsTool.cpp)
target_link_libraries(kvelli99-records PRIVATE kv_records)
# A common table for several results-server front ends lives in PostgreSQL (Debian's libpq-dev).
find_package(PkgConfig REQUIRED)
pkg_check_modules(KV_LIBPQ REQUIRED IMPORTED_TARGET libpq)
target_sources(kvelli99-records PRIVATE ${KV_SRC}/records/tool/PgStore.cpp ${KV_SRC}/records/tool/PgStore.h)
target_link_libraries(kvelli99-records PRIVATE PkgConfig::KV_LIBPQ)
