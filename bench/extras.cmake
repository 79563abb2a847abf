# ExtrasBench: painting a tool bar and an open menu with the flat XP look, as a ratio to the base
# look, same run.
add_executable(ExtrasBench ${CMAKE_CURRENT_LIST_DIR}/ExtrasBench.cpp ${UICORE_DEMO_RC})
add_dependencies(ExtrasBench uicore_resources uicore_demo_bitmap)
target_include_directories(ExtrasBench PRIVATE ${UICORE_RES_DIR} ${CMAKE_SOURCE_DIR}/resources
    ${CMAKE_SOURCE_DIR}/uicore/tests/demo)
target_compile_options(ExtrasBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(ExtrasBench PRIVATE uiextras uicore afx)
