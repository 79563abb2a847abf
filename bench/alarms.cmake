# AlarmBench: the alarm check of one clock tick with 0, 100 and 10,000 alarms, same run.
add_executable(AlarmBench ${CMAKE_CURRENT_LIST_DIR}/AlarmBench.cpp)
target_compile_options(AlarmBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(AlarmBench PRIVATE velmora_engine)
