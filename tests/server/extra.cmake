# The database tests also drive the store of the records tool directly, for what its process
# cannot show from outside (when a change notice arrives).
if(KV_LIBPQ_FOUND)
  target_sources(test_server PRIVATE ${KV_SRC}/records/tool/PgStore.cpp)
  target_compile_definitions(test_server PRIVATE KV_HAVE_LIBPQ=1)
endif()
