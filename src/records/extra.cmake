# kvelli99-records: the administrator's tool for records tables, and the results server's one
# implementation of the format (it checks, merges and pages every table a player sends).
add_executable(kvelli99-records ${KV_SRC}/records/tool/RecordsTool.cpp)
target_link_libraries(kvelli99-records PRIVATE kv_records)
