# Third-party code: GoogleTest from Debian's source tree, bzip2 from Debian's source package
# (unpacked by tools/setup.sh into third_party/). Both build with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB VELMORA_BZIP2_DIR LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/third_party/bzip2-*)
if(NOT VELMORA_BZIP2_DIR OR NOT EXISTS ${VELMORA_BZIP2_DIR}/bzlib.c)
    message(FATAL_ERROR "bzip2 source is missing: run tools/setup.sh")
endif()
add_library(bz2 STATIC
    ${VELMORA_BZIP2_DIR}/blocksort.c ${VELMORA_BZIP2_DIR}/huffman.c ${VELMORA_BZIP2_DIR}/crctable.c
    ${VELMORA_BZIP2_DIR}/randtable.c ${VELMORA_BZIP2_DIR}/compress.c ${VELMORA_BZIP2_DIR}/decompress.c
    ${VELMORA_BZIP2_DIR}/bzlib.c)
target_include_directories(bz2 SYSTEM PUBLIC ${VELMORA_BZIP2_DIR})
target_compile_options(bz2 PRIVATE -w)
