# velmora_gtest(NAME SOURCES sources... LIBS libs...)
# A GoogleTest program built for Windows and run by ctest through Wine. Tests are listed when
# ctest runs (PRE_TEST), so building never needs Wine.
include(GoogleTest)
function(velmora_gtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "velmora_gtest(${name}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
    target_compile_definitions(${name} PRIVATE VELMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        VELMORA_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}" VELMORA_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} PROPERTIES TIMEOUT 300)
endfunction()

# velmora_e2e(NAME SCRIPT [DEPENDS targets...]): an end-to-end test, a Python script that drives
# the real programs under Wine and Xvfb. It gets the build tree, the source tree, a prefix of its
# own (cloned from the base prefix, with its own Xvfb) and the base prefix; ctest refuses to run it
# while a program it names under DEPENDS is not built.
function(velmora_e2e name script)
    cmake_parse_arguments(T "" "" "DEPENDS" ${ARGN})
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "velmora_e2e(${name}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
    endif()
    set(required $<TARGET_FILE:winctl>)
    foreach(target ${T_DEPENDS})
        list(APPEND required $<TARGET_FILE:${target}>)
    endforeach()
    add_test(NAME ${name}
        COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/${script}
            --build ${CMAKE_BINARY_DIR} --source ${CMAKE_SOURCE_DIR}
            --prefix ${CMAKE_BINARY_DIR}/e2e-prefixes/${name} --base-prefix ${VELMORA_WINEPREFIX})
    # Each test has a display and a Wine server of its own, so tests run side by side; a test
    # counts as two processors, since the program and Wine's services work beside the script. They
    # take a minute or two each, against a second or two for a unit test: a high cost starts them
    # first, so that the short tests fill the gaps instead of the long ones trailing at the end.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS e2e PROCESSORS 2 COST 1000
        REQUIRED_FILES "${required}")
endfunction()
