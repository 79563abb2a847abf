# Documents: buffers, containers, digests, file access, the activity log, the node tree, the parser and the public classes.
target_sources(vxml PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/ActivityLog.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Containers.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CvXml.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/DataBuffer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Digests.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FileAccess.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/StringBuffer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TreeNode.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/XString.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/XmlParser.cpp)

velmora_gtest(vxml_document_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/BuffersTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ContainersTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/DigestsTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/FileAccessTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ActivityLogTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/TreeNodeTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/XmlParserTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/CvXmlTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/CorpusTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/RobustnessTest.cpp
    LIBS vxml testsupport)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(VXML_DIGEST_VECTORS ${CMAKE_CURRENT_BINARY_DIR}/generated/digest_vectors.txt)
add_custom_command(
    OUTPUT ${VXML_DIGEST_VECTORS}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tests/gen_digest_vectors.py ${VXML_DIGEST_VECTORS}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/gen_digest_vectors.py
    VERBATIM)
set(VXML_CORPUS_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated/corpus)
add_custom_command(
    OUTPUT ${VXML_CORPUS_DIR}/index.txt
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tests/gen_xml_corpus.py ${VXML_CORPUS_DIR}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/gen_xml_corpus.py ${CMAKE_CURRENT_SOURCE_DIR}/tools/gen_cptables.py
    VERBATIM)
add_custom_target(vxml_test_data DEPENDS ${VXML_DIGEST_VECTORS} ${VXML_CORPUS_DIR}/index.txt)
add_dependencies(vxml_document_tests vxml_test_data)
target_compile_definitions(vxml_document_tests PRIVATE VXML_DIGEST_VECTORS="${VXML_DIGEST_VECTORS}"
    VXML_CORPUS_DIR="${VXML_CORPUS_DIR}")
