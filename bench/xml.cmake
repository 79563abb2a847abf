# XmlBench: document loading and character-set conversion throughput; bench/run_xml_bench.sh runs it
# beside the native references (libxml2's tree load, expat without handlers, glibc iconv) and prints
# the ratios.
add_executable(XmlBench ${CMAKE_CURRENT_LIST_DIR}/XmlBench.cpp)
target_compile_options(XmlBench PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(XmlBench PRIVATE vxml)
