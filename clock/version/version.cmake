# The online version check's engine: the download through WinInet (bound at run time), the reading
# of the version-information file and the route test. It knows no window.
set(VELMORA_VERSION_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(velmora_version STATIC ${VELMORA_VERSION_DIR}/VersionChecker.cpp)
target_include_directories(velmora_version PUBLIC ${VELMORA_VERSION_DIR})
target_compile_options(velmora_version PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(velmora_version PUBLIC afx vxml iphlpapi)

velmora_gtest(velmora_version_tests
    SOURCES ${VELMORA_VERSION_DIR}/tests/VersionCheckerTest.cpp
    LIBS velmora_version testsupport wsock32)
