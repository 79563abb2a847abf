# Archives, collections and OLE date-times.
target_sources(afx PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AfxArchive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxColl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxOleDateTime.cpp
)

velmora_gtest(afx_archive_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ArchiveTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CollectionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/OleDateTimeTest.cpp
    LIBS afx)
