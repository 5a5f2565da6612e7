# A command-line client over the FTP client, for scripts/measure-net.sh: one login or one transfer,
# printing wall time, processor time and throughput.
add_executable(ftp_transfer ${CMAKE_CURRENT_SOURCE_DIR}/net/tools/ftp_transfer.cpp)
target_link_libraries(ftp_transfer PRIVATE kv_net)
# One results exchange without the window, for scripts/browser-screenshot.sh.
add_executable(results_exchange ${CMAKE_CURRENT_SOURCE_DIR}/net/tools/results_exchange.cpp)
target_link_libraries(results_exchange PRIVATE kv_net kv_records)
