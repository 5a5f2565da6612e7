# A command-line client over the FTP client, for scripts/measure-net.sh: one login or one transfer,
# printing wall time, processor time and throughput.
add_executable(ftp_transfer ${CMAKE_CURRENT_SOURCE_DIR}/net/tools/ftp_transfer.cpp)
target_link_libraries(ftp_transfer PRIVATE kv_net)
