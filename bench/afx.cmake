# DispatchBench: window-message dispatch with the message-map cache against the same dispatch with
# the cache off, same run.
add_executable(DispatchBench ${CMAKE_CURRENT_LIST_DIR}/DispatchBench.cpp)
target_compile_options(DispatchBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(DispatchBench PRIVATE afx)
