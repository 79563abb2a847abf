# SyncBench: the SNTP client's offset and delay against loopback chrony; bench/run_sync_bench.sh runs
# it beside chrony's own client in the same run.
add_executable(SyncBench ${CMAKE_CURRENT_LIST_DIR}/SyncBench.cpp)
target_compile_options(SyncBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(SyncBench PRIVATE velmora_engine)
