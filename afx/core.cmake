# Framework core: objects and run-time classes, strings, exceptions, files, times, diagnostics.
target_sources(afx PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AfxCore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxString.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxException.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxTime.cpp
)
# Archive forms of run-time classes and times need CArchive.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/AfxArchive.cpp)
    target_sources(afx PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AfxObjectArchive.cpp)
endif()

velmora_gtest(afx_core_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/StringTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ExceptionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ObjectTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CoreTest.rc
    LIBS afx)

# A CString passed straight to a printf-style "..." arrives as the address of a temporary under
# this compiler, not as its characters: make every user of the framework hear about it.
target_compile_options(afx PUBLIC -Wconditionally-supported)
