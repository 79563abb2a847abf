# Framework GDI, menus, controls, common controls and common dialogs.
target_sources(afx PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AfxGdi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AfxMenu.cpp
)
# Everything that is a window, or needs one, comes with the window layer.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/windows.cmake)
    target_sources(afx PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/AfxGdiWnd.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AfxCtrl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AfxCmnCtrl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AfxDateTimeCtrl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AfxCommonDlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AfxToolTip.cpp
    )
    # Real controls in real windows under Wine, checked through the controls' own messages.
    velmora_gtest(afx_ctrl_tests
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/CtrlTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CtrlCommonTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ToolTipTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CtrlTest.rc
        LIBS afx)
endif()

# Drawing and menus need no window of the framework's own.
velmora_gtest(afx_gdi_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/GdiTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CtrlMenuTest.cpp
    LIBS afx)
