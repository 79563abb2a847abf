# cmake -DFROM=file -DTO=dest -DTO2=dest -P CopyZoneFile.cmake: copies a made VelmoraTZ to each
# destination, or fails with what to do when it has not been made.
if(NOT EXISTS "${FROM}")
    message(FATAL_ERROR "${FROM} does not exist: this machine runs no 32-bit programs, so the 32-bit "
        "build takes VelmoraTZ from the 64-bit build; build that one first (VELMORA_ARCH=64 bash tools/build.sh) "
        "or name another file with -DVELMORA_TZ_FROM=...")
endif()
foreach(dest "${TO}" "${TO2}")
    file(COPY_FILE "${FROM}" "${dest}" ONLY_IF_DIFFERENT)
endforeach()
