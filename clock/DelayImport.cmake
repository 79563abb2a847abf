# Makes a delay-import library for some functions of one system DLL: bound at their first call
# instead of when the program starts. Run by clock/CMakeLists.txt as a script, with DLLTOOL, ARCH,
# DLL (the DLL's file name), FUNCTIONS (name@argument-bytes, as the 32-bit build decorates them,
# separated by commas),
# DEF and OUTPUT (the library to make).
string(REPLACE "," ";" FUNCTIONS "${FUNCTIONS}")
set(exports "")
foreach(function IN LISTS FUNCTIONS)
    if(NOT ARCH STREQUAL "32")
        string(REGEX REPLACE "@[0-9]+$" "" function "${function}")
    endif()
    string(APPEND exports "${function}\n")
endforeach()
file(WRITE ${DEF} "LIBRARY ${DLL}\nEXPORTS\n${exports}")
# --kill-at: the 32-bit names carry their argument bytes, which the DLL's exports do not.
execute_process(COMMAND ${DLLTOOL} --kill-at --input-def ${DEF} --dllname ${DLL} --output-delaylib ${OUTPUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${DLLTOOL} could not make ${OUTPUT}")
endif()
