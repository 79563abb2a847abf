# Editing interface of the value classes: date forms, property pages and sheets, pickers. A
# library of its own, since the pages need the framework's windows; programs supply the
# templates and strings.
add_library(datetime_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/DateForms.cpp)
target_include_directories(datetime_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_options(datetime_ui PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(datetime_ui PUBLIC datetime afx)

# Date-form vectors come from Python's own calendar, generated into the build tree.
set(DATETIME_FORM_VECTORS ${CMAKE_CURRENT_BINARY_DIR}/form_vectors.txt)
add_custom_command(OUTPUT ${DATETIME_FORM_VECTORS}
    COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/tests/gen_form_vectors.py ${DATETIME_FORM_VECTORS}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/gen_form_vectors.py
    COMMENT "Generating date-form vectors")
add_custom_target(datetime_form_vectors DEPENDS ${DATETIME_FORM_VECTORS})

velmora_gtest(datetime_forms_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/DateFormsTest.cpp
    LIBS datetime_ui datetime afx)
target_compile_definitions(datetime_forms_tests PRIVATE VELMORA_FORM_VECTORS="${DATETIME_FORM_VECTORS}")
add_dependencies(datetime_forms_tests datetime_form_vectors)

target_sources(datetime_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DatePages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DateSheets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickers.cpp)

velmora_gtest(datetime_ui_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DatePagesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/pickers/DatePickersTest.rc
    LIBS datetime_ui datetime afx testsupport)
target_include_directories(datetime_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/pickers)
