# velmora_library(NAME [INTERFACE]
#     SOURCES files...                 the library's own sources, listed explicitly
#     PUBLIC_INCLUDES dirs...          folders its users include from
#     PRIVATE_INCLUDES dirs...         folders only its own sources include from
#     LIBS libs...                     libraries its public headers or users need
#     PRIVATE_LIBS libs...             libraries only its own sources need
#     DEFINITIONS defs...              private compile definitions
#     TEST_SOURCES files...            one test program NAME_tests beside the library
#     TEST_LIBS libs...)               what that test program needs beyond the library
# The one way a library of this tree is declared: warnings on its own code, explicit sources, and
# its tests beside it. A source that is missing fails the configure step.
function(velmora_library name)
    cmake_parse_arguments(L "" ""
        "SOURCES;PUBLIC_INCLUDES;PRIVATE_INCLUDES;LIBS;PRIVATE_LIBS;DEFINITIONS;TEST_SOURCES;TEST_LIBS"
        ${ARGN})
    if(L_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "velmora_library(${name}): unknown arguments ${L_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT L_SOURCES)
        message(FATAL_ERROR "velmora_library(${name}): no SOURCES")
    endif()
    add_library(${name} STATIC ${L_SOURCES})
    target_compile_options(${name} PRIVATE ${VELMORA_WARNINGS})
    if(L_PUBLIC_INCLUDES)
        target_include_directories(${name} PUBLIC ${L_PUBLIC_INCLUDES})
    endif()
    if(L_PRIVATE_INCLUDES)
        target_include_directories(${name} PRIVATE ${L_PRIVATE_INCLUDES})
    endif()
    if(L_LIBS)
        target_link_libraries(${name} PUBLIC ${L_LIBS})
    endif()
    if(L_PRIVATE_LIBS)
        target_link_libraries(${name} PRIVATE ${L_PRIVATE_LIBS})
    endif()
    if(L_DEFINITIONS)
        target_compile_definitions(${name} PRIVATE ${L_DEFINITIONS})
    endif()
    if(L_TEST_SOURCES)
        velmora_gtest(${name}_tests SOURCES ${L_TEST_SOURCES} LIBS ${name} ${L_TEST_LIBS})
    endif()
endfunction()
