# velmora_library(NAME [INTERFACE] [CHECK_LINKS]
#     SOURCES files...                 the library's own sources, listed explicitly
#     PUBLIC_INCLUDES dirs...          folders its users include from
#     PRIVATE_INCLUDES dirs...         folders only its own sources include from
#     LIBS libs...                     libraries its public headers or users need
#     PRIVATE_LIBS libs...             libraries only its own sources need
#     DEFINITIONS defs...              private compile definitions
#     PUBLIC_DEFINITIONS defs...       compile definitions of the library and all its users
#     PUBLIC_OPTIONS options...        compile options of the library and all its users
#     TEST_SOURCES files...            one test program NAME_tests beside the library
#     TEST_LIBS libs...)               what that test program needs beyond the library
# The one way a library of this tree is declared: explicit sources, its include folders and its
# tests beside it; the warnings come from the top of the tree, as for every target of ours. A
# source that is missing fails the configure step.
#
# INTERFACE declares a library without sources of its own that gathers others (LIBS).
#
# CHECK_LINKS builds, beside the library, a DLL made of every object of the library linked against
# LIBS and PRIVATE_LIBS alone: a reference to a library the declaration does not name (a layer
# calling the one above it) fails the build there, even where a program's link line would happen
# to resolve it.
function(velmora_library name)
    cmake_parse_arguments(L "INTERFACE;CHECK_LINKS" ""
        "SOURCES;PUBLIC_INCLUDES;PRIVATE_INCLUDES;LIBS;PRIVATE_LIBS;DEFINITIONS;PUBLIC_DEFINITIONS;PUBLIC_OPTIONS;TEST_SOURCES;TEST_LIBS"
        ${ARGN})
    if(L_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "velmora_library(${name}): unknown arguments ${L_UNPARSED_ARGUMENTS}")
    endif()
    if(L_INTERFACE)
        if(L_SOURCES OR L_PRIVATE_INCLUDES OR L_PRIVATE_LIBS OR L_DEFINITIONS OR L_CHECK_LINKS)
            message(FATAL_ERROR "velmora_library(${name}): an INTERFACE library has only public parts")
        endif()
        add_library(${name} INTERFACE)
        set(public INTERFACE)
    else()
        if(NOT L_SOURCES)
            message(FATAL_ERROR "velmora_library(${name}): no SOURCES")
        endif()
        add_library(${name} STATIC ${L_SOURCES})
        add_dependencies(${name} velmora_include_paths)
        set(public PUBLIC)
    endif()
    if(L_PUBLIC_INCLUDES)
        target_include_directories(${name} ${public} ${L_PUBLIC_INCLUDES})
    endif()
    if(L_PRIVATE_INCLUDES)
        target_include_directories(${name} PRIVATE ${L_PRIVATE_INCLUDES})
    endif()
    if(L_LIBS)
        target_link_libraries(${name} ${public} ${L_LIBS})
    endif()
    if(L_PRIVATE_LIBS)
        target_link_libraries(${name} PRIVATE ${L_PRIVATE_LIBS})
    endif()
    if(L_DEFINITIONS)
        target_compile_definitions(${name} PRIVATE ${L_DEFINITIONS})
    endif()
    if(L_PUBLIC_DEFINITIONS)
        target_compile_definitions(${name} ${public} ${L_PUBLIC_DEFINITIONS})
    endif()
    if(L_PUBLIC_OPTIONS)
        target_compile_options(${name} ${public} ${L_PUBLIC_OPTIONS})
    endif()
    if(L_CHECK_LINKS)
        velmora_check_links(${name} ${L_LIBS} ${L_PRIVATE_LIBS})
    endif()
    if(L_TEST_SOURCES)
        velmora_gtest(${name}_tests SOURCES ${L_TEST_SOURCES} LIBS ${name} ${L_TEST_LIBS})
    endif()
endfunction()

# The DLL behind CHECK_LINKS. A DLL must resolve every reference when it is linked, and
# --whole-archive takes every object of the library, not only those some program happens to use.
function(velmora_check_links name)
    set(check ${name}_links)
    file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${check}.cpp CONTENT "// The objects come from the library.\n")
    add_library(${check} SHARED ${CMAKE_CURRENT_BINARY_DIR}/${check}.cpp)
    add_dependencies(${check} ${name})
    target_link_options(${check} PRIVATE
        "LINKER:--whole-archive" "$<TARGET_FILE:${name}>" "LINKER:--no-whole-archive")
    set_property(TARGET ${check} APPEND PROPERTY LINK_DEPENDS $<TARGET_FILE:${name}>)
    target_link_libraries(${check} PRIVATE ${ARGN})
    set_target_properties(${check} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link-checks
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link-checks
        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link-checks)
endfunction()
