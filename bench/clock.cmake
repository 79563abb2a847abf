# ClockBench: the clock window's tick and start-up against a minimal window, same run.
add_executable(ClockBench ${CMAKE_CURRENT_LIST_DIR}/ClockBench.cpp ${CMAKE_SOURCE_DIR}/resources/Velmora.rc)
add_dependencies(ClockBench velmora_icons)
target_include_directories(ClockBench PRIVATE ${VELMORA_APP_INCLUDES} ${CMAKE_BINARY_DIR}/clock/icons)
target_compile_options(ClockBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(ClockBench PRIVATE velmora_app)
