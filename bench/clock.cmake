# ClockBench: the clock window's tick, start-up and memory against minimal Win32 programs that do
# the same work (bench/ref/clock_*_ref), measured in the same run.
add_executable(ClockBench ${CMAKE_CURRENT_LIST_DIR}/ClockBench.cpp ${CMAKE_SOURCE_DIR}/resources/Velmora.rc)
add_dependencies(ClockBench velmora_icons Velmora clock_tick_ref clock_start_ref StandInAgentServer)
target_include_directories(ClockBench PRIVATE ${VELMORA_APP_INCLUDES} ${CMAKE_BINARY_DIR}/clock/icons)
target_include_directories(ClockBench PRIVATE ${UICORE_RES_DIR})
target_compile_options(ClockBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(ClockBench PRIVATE velmora_app psapi)

# The references: plain Win32 programs in C, beside ClockBench in the build's bench folder.
add_executable(clock_tick_ref ${CMAKE_CURRENT_LIST_DIR}/ref/clock_tick_ref.c)
add_executable(clock_start_ref WIN32 ${CMAKE_CURRENT_LIST_DIR}/ref/clock_start_ref.c
                                     ${CMAKE_CURRENT_LIST_DIR}/ref/clock_start_ref.rc)
target_include_directories(clock_start_ref PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ref)
foreach(target clock_tick_ref clock_start_ref)
    target_compile_options(${target} PRIVATE ${VELMORA_WARNINGS})
endforeach()

# Copies of the programs without their debug sections, as a release ships them: ClockBench also
# measures start-up and private bytes with these.
add_custom_command(TARGET ClockBench POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/stripped
    COMMAND ${CMAKE_STRIP} -o ${CMAKE_CURRENT_BINARY_DIR}/stripped/Velmora.exe $<TARGET_FILE:Velmora>
    COMMAND ${CMAKE_STRIP} -o ${CMAKE_CURRENT_BINARY_DIR}/stripped/clock_start_ref.exe $<TARGET_FILE:clock_start_ref>
    VERBATIM)

# The stand-in speech character server that ClockBench registers, in its own Wine prefix only, for
# the start-up a user with the server installed sees.
add_library(StandInAgentServer SHARED ${CMAKE_CURRENT_LIST_DIR}/agent/StandInAgentServer.c
                                      ${CMAKE_CURRENT_LIST_DIR}/agent/StandInAgentServer.def)
set_target_properties(StandInAgentServer PROPERTIES PREFIX "")
target_compile_options(StandInAgentServer PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(StandInAgentServer PRIVATE uuid)
