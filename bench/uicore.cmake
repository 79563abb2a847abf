# ToolBarBench: painting a tool bar of 30 buttons (images and labels) through the framework, as a
# ratio to drawing the same images, texts and borders with plain GDI calls, same run.
add_executable(ToolBarBench ${CMAKE_CURRENT_LIST_DIR}/ToolBarBench.cpp ${UICORE_DEMO_RC})
add_dependencies(ToolBarBench uicore_resources uicore_demo_bitmap)
target_include_directories(ToolBarBench PRIVATE ${UICORE_RES_DIR} ${CMAKE_SOURCE_DIR}/resources
    ${CMAKE_SOURCE_DIR}/uicore/tests/demo)
target_compile_options(ToolBarBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(ToolBarBench PRIVATE uicore afx)
