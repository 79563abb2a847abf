# Character sets: the conversion engine, charset names, Unicode forms, ISO-2022 and the stored tables.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VXML_GENERATED ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VXML_GENERATED})
set(VXML_TABLE_VECTORS ${VXML_GENERATED}/table_vectors.txt)
set(VXML_ICONV_VECTORS ${VXML_GENERATED}/iconv_vectors.txt)
add_custom_command(
    OUTPUT ${VXML_GENERATED}/CodePageTexts.cpp ${VXML_TABLE_VECTORS} ${VXML_ICONV_VECTORS}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/gen_cptables.py
        --cpp ${VXML_GENERATED}/CodePageTexts.cpp --vectors ${VXML_TABLE_VECTORS}
        --iconv-vectors ${VXML_ICONV_VECTORS}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/gen_cptables.py
    COMMENT "Generating the stored code-page tables"
    VERBATIM)
target_sources(vxml PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/Charsets.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CodePageTables.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/EncodingConvert.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Iso2022.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/UnicodeForms.cpp
    ${VXML_GENERATED}/CodePageTexts.cpp)

velmora_gtest(vxml_charset_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/CharsetNamesTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/UnicodeFormsTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/Iso2022Test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/EncodingConvertTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/CodePageTablesTest.cpp
    LIBS vxml testsupport)
target_compile_definitions(vxml_charset_tests PRIVATE VXML_TABLE_VECTORS="${VXML_TABLE_VECTORS}"
    VXML_ICONV_VECTORS="${VXML_ICONV_VECTORS}")
