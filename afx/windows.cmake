# Framework windowing: command targets, windows and message maps, the application and threads,
# dialogs and data exchange, property sheets, frames and synchronisation objects.
target_sources(afx PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AfxCmdTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxWinApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxPropSheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxSync.cpp
)

# Real windows under Wine: dispatch, routing, reflection, data exchange, the modal loop,
# exceptions in handlers, property sheets and the profile settings in the registry.
velmora_gtest(afx_window_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTestApp.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MessageMapTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DialogTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DataExchangeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PropertySheetTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TypesSyncTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTest.rc
    LIBS afx)

# A whole program on the framework: its own entry point, threads, a modal main dialog, and
# InitInstance returning FALSE; the exit code is the verdict.
add_executable(afx_app_lifecycle WIN32
    ${CMAKE_CURRENT_LIST_DIR}/tests/AppLifecycleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTest.rc)
target_link_libraries(afx_app_lifecycle PRIVATE afx)
target_compile_options(afx_app_lifecycle PRIVATE ${VELMORA_WARNINGS})
add_test(NAME afx_app_lifecycle COMMAND afx_app_lifecycle)
set_tests_properties(afx_app_lifecycle PROPERTIES TIMEOUT 120)
