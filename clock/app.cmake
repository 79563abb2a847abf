# The desktop clock program: the application, its clock window and the window's helpers (tray icon,
# menus, single instance, off-screen drawing), the option pages, the resources and the program.
# The window library's folders are private to it and to the programs and tests listed here.
set(VELMORA_APP_DIR ${CMAKE_CURRENT_LIST_DIR}/app)
set(VELMORA_OPTIONS_DIR ${CMAKE_CURRENT_LIST_DIR}/options)
set(VELMORA_ALARMS_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/alarms/ui)
set(VELMORA_TIMESYNC_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/timesync/ui)
set(VELMORA_MONITORING_DIR ${CMAKE_CURRENT_LIST_DIR}/monitoring)
set(VELMORA_SPEECH_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/speech/ui)
set(VELMORA_TIMERS_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/timers/ui)
set(VELMORA_CALENDAR_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/calendar/ui)
set(VELMORA_ABOUT_DIR ${CMAKE_CURRENT_LIST_DIR}/about)
set(VELMORA_VERSION_UI_DIR ${CMAKE_CURRENT_LIST_DIR}/version/ui)
set(VELMORA_APP_INCLUDES ${VELMORA_APP_DIR} ${VELMORA_OPTIONS_DIR} ${VELMORA_ALARMS_UI_DIR} ${VELMORA_SPEECH_UI_DIR}
    ${VELMORA_TIMERS_UI_DIR} ${VELMORA_CALENDAR_UI_DIR}
    ${VELMORA_ABOUT_DIR} ${VELMORA_VERSION_UI_DIR} ${CMAKE_SOURCE_DIR}/resources
    ${CMAKE_SOURCE_DIR}/resources/velmora)
list(APPEND VELMORA_APP_INCLUDES ${VELMORA_TIMESYNC_UI_DIR} ${VELMORA_MONITORING_DIR})
add_library(velmora_app STATIC
    ${VELMORA_APP_DIR}/AppMessages.cpp
    ${VELMORA_APP_DIR}/ClockApp.cpp
    ${VELMORA_APP_DIR}/ClockMenus.cpp
    ${VELMORA_APP_DIR}/InstanceChecker.cpp
    ${VELMORA_APP_DIR}/MainClockAbout.cpp
    ${VELMORA_APP_DIR}/MainClockBehaviour.cpp
    ${VELMORA_APP_DIR}/MainClockCommands.cpp
    ${VELMORA_APP_DIR}/MainClockInit.cpp
    ${VELMORA_APP_DIR}/MainClockOptions.cpp
    ${VELMORA_APP_DIR}/MainClockPersistence.cpp
    ${VELMORA_APP_DIR}/MainClockReminders.cpp
    ${VELMORA_APP_DIR}/MainClockRender.cpp
    ${VELMORA_APP_DIR}/MainClockSpeech.cpp
    ${VELMORA_APP_DIR}/MainClockTick.cpp
    ${VELMORA_APP_DIR}/MainClockSync.cpp
    ${VELMORA_TIMESYNC_UI_DIR}/SyncStatusDlg.cpp
    ${VELMORA_TIMESYNC_UI_DIR}/SyncOptions.cpp
    ${VELMORA_TIMESYNC_UI_DIR}/ServerDlg.cpp
    ${VELMORA_MONITORING_DIR}/RasApi.cpp
    ${VELMORA_MONITORING_DIR}/RasMonitor.cpp
    ${VELMORA_APP_DIR}/OffscreenDC.cpp
    ${VELMORA_APP_DIR}/SystemTray.cpp
    ${VELMORA_APP_DIR}/TrayPopupMenu.cpp
    ${VELMORA_OPTIONS_DIR}/ConfigureClock.cpp
    ${VELMORA_OPTIONS_DIR}/ClockConfigDlg.cpp
    ${VELMORA_OPTIONS_DIR}/ClockFormatPage.cpp
    ${VELMORA_OPTIONS_DIR}/ColorCombo.cpp
    ${VELMORA_OPTIONS_DIR}/OptionsPage.cpp
    ${VELMORA_OPTIONS_DIR}/VelmoraPropertySheet.cpp
    ${VELMORA_ALARMS_UI_DIR}/AlarmNotifyDlg.cpp
    ${VELMORA_SPEECH_UI_DIR}/AgentCtlEx.cpp
    ${VELMORA_SPEECH_UI_DIR}/AgentHostDlg.cpp
    ${VELMORA_SPEECH_UI_DIR}/AgentOptions.cpp
    ${VELMORA_SPEECH_UI_DIR}/SpeakingClockOptions.cpp
    ${VELMORA_ALARMS_UI_DIR}/AlarmConfig.cpp
    ${VELMORA_ALARMS_UI_DIR}/AlarmListDlg.cpp
    ${VELMORA_ALARMS_UI_DIR}/AlarmPages.cpp
    ${VELMORA_APP_DIR}/MainClockTimers.cpp
    ${VELMORA_APP_DIR}/MainClockCalendar.cpp
    ${VELMORA_TIMERS_UI_DIR}/EventTimerDlg.cpp
    ${VELMORA_CALENDAR_UI_DIR}/CalendarDlg.cpp
    ${VELMORA_CALENDAR_UI_DIR}/DiaryOptions.cpp
    ${VELMORA_ABOUT_DIR}/AboutDlg.cpp
    ${VELMORA_ABOUT_DIR}/HyperLinkStatic.cpp
    ${VELMORA_ABOUT_DIR}/LinkServices.cpp
    ${VELMORA_ABOUT_DIR}/SideBannerWnd.cpp
    ${VELMORA_VERSION_UI_DIR}/VersionCheckDlg.cpp)
target_include_directories(velmora_app PRIVATE ${VELMORA_APP_INCLUDES})
target_compile_options(velmora_app PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(velmora_app PUBLIC velmora_engine velmora_version uicore datetime afx ole32 uuid shell32)
target_link_libraries(velmora_app PUBLIC advapi32)

# Icons are drawn at build time; the resource script finds them on its include path.
set(VELMORA_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(VELMORA_ICONS velmora.ico tray_normal1.ico tray_normal2.ico tray_error1.ico tray_error2.ico)
list(TRANSFORM VELMORA_ICONS PREPEND ${VELMORA_ICON_DIR}/ OUTPUT_VARIABLE VELMORA_ICON_FILES)
add_custom_command(OUTPUT ${VELMORA_ICON_FILES}
    COMMAND python3 ${CMAKE_SOURCE_DIR}/resources/make_icons.py ${VELMORA_ICON_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icons.py
    COMMENT "Drawing Velmora's icons")
# The version window's animation clip is drawn beside the icons.
add_custom_command(OUTPUT ${VELMORA_ICON_DIR}/version_check.avi
    COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/version/ui/make_check_avi.py ${VELMORA_ICON_DIR}/version_check.avi
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/version/ui/make_check_avi.py
    COMMENT "Drawing the version window's animation")
list(APPEND VELMORA_ICON_FILES ${VELMORA_ICON_DIR}/version_check.avi)
add_custom_target(velmora_icons DEPENDS ${VELMORA_ICON_FILES})
set(VELMORA_RC ${CMAKE_SOURCE_DIR}/resources/Velmora.rc)
set_source_files_properties(${VELMORA_RC} PROPERTIES
    OBJECT_DEPENDS "${VELMORA_ICON_FILES};${CMAKE_SOURCE_DIR}/resources/velmora/resource.h;${CMAKE_SOURCE_DIR}/resources/velmora/ConfigureClock.rc;${CMAKE_SOURCE_DIR}/resources/velmora/AlarmNotify.rc;${CMAKE_SOURCE_DIR}/resources/velmora/TimeSync.rc;${CMAKE_SOURCE_DIR}/resources/velmora/Speech.rc;${CMAKE_SOURCE_DIR}/resources/velmora/AlarmEdit.rc;${CMAKE_SOURCE_DIR}/resources/velmora/Timers.rc;${CMAKE_SOURCE_DIR}/resources/velmora/Calendar.rc;${CMAKE_SOURCE_DIR}/resources/velmora/About.rc;${CMAKE_SOURCE_DIR}/resources/velmora/Version.rc;${CMAKE_SOURCE_DIR}/resources/velmora/ClockConfig.rc;${CMAKE_SOURCE_DIR}/resources/velmora/Options.rc")
# The framework's own resources go into the program, drawn into the build tree beforehand.
set_property(SOURCE ${VELMORA_RC} APPEND PROPERTY OBJECT_DEPENDS
    "${UICORE_RES_FILES};${CMAKE_SOURCE_DIR}/resources/uicore/UICore.rc;${CMAKE_SOURCE_DIR}/resources/uicore/uicore_res.h")

add_executable(Velmora WIN32 ${VELMORA_APP_DIR}/VelmoraMain.cpp ${VELMORA_RC})
add_dependencies(Velmora velmora_icons)
add_dependencies(Velmora uicore_resources)
target_include_directories(Velmora PRIVATE ${UICORE_RES_DIR})
target_include_directories(Velmora PRIVATE ${VELMORA_APP_INCLUDES} ${VELMORA_ICON_DIR})
target_compile_options(Velmora PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(Velmora PRIVATE velmora_app)
set_target_properties(Velmora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
# The debug information goes into Velmora.exe.debug beside the program, which names it: Wine
# reads a program's whole image into private memory, and the running clock need not carry it.
add_custom_command(TARGET Velmora POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug Velmora.exe Velmora.exe.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=Velmora.exe.debug Velmora.exe
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    VERBATIM)

velmora_gtest(velmora_app_tests
    SOURCES
        ${VELMORA_APP_DIR}/tests/AppTestMain.cpp
        ${VELMORA_APP_DIR}/tests/AlarmNotifyDlgTest.cpp
        ${VELMORA_APP_DIR}/tests/AlarmEditTest.cpp
        ${VELMORA_APP_DIR}/tests/ClockAppTest.cpp
        ${VELMORA_APP_DIR}/tests/ClockConfigTest.cpp
        ${VELMORA_APP_DIR}/tests/ClockMenusTest.cpp
        ${VELMORA_APP_DIR}/tests/ConfigureClockTest.cpp
        ${VELMORA_APP_DIR}/tests/InstanceCheckerTest.cpp
        ${VELMORA_APP_DIR}/tests/MainClockDlgTest.cpp
        ${VELMORA_APP_DIR}/tests/TrayPopupMenuTest.cpp
        ${VELMORA_TIMESYNC_UI_DIR}/tests/SyncOptionsTest.cpp
        ${VELMORA_MONITORING_DIR}/tests/RasMonitorTest.cpp
        ${VELMORA_SPEECH_UI_DIR}/tests/SpeechPagesTest.cpp
        ${VELMORA_TIMERS_UI_DIR}/tests/EventTimerDlgTest.cpp
        ${VELMORA_ABOUT_DIR}/tests/HyperLinkStaticTest.cpp
        ${VELMORA_ABOUT_DIR}/tests/LinkServicesTest.cpp
        ${VELMORA_VERSION_UI_DIR}/tests/VersionCheckDlgTest.cpp
        ${VELMORA_APP_DIR}/tests/OptionsSheetTest.cpp
        ${VELMORA_RC}
    LIBS velmora_app testsupport)
add_dependencies(velmora_app_tests velmora_icons)
add_dependencies(velmora_app_tests uicore_resources)
target_include_directories(velmora_app_tests PRIVATE ${UICORE_RES_DIR})
target_include_directories(velmora_app_tests PRIVATE ${VELMORA_APP_INCLUDES} ${VELMORA_ICON_DIR})
target_include_directories(velmora_app_tests PRIVATE ${VELMORA_APP_DIR}/tests)

# The tray icon's tests change icons and menus by resource id: a small resource script of their own
# with the program's first pair of tray icons.
velmora_gtest(velmora_tray_tests
    SOURCES
        ${VELMORA_APP_DIR}/tests/AppTestMain.cpp
        ${VELMORA_APP_DIR}/tests/SystemTrayTest.cpp
        ${VELMORA_APP_DIR}/tests/TrayTest.rc
    LIBS velmora_app testsupport)
add_dependencies(velmora_tray_tests velmora_icons)
set_source_files_properties(${VELMORA_APP_DIR}/tests/TrayTest.rc PROPERTIES OBJECT_DEPENDS "${VELMORA_ICON_FILES}")
target_include_directories(velmora_tray_tests PRIVATE ${VELMORA_APP_INCLUDES} ${VELMORA_ICON_DIR})

velmora_e2e(velmora_start_e2e app/tests/e2e_start.py DEPENDS Velmora)
velmora_e2e(velmora_behaviour_e2e app/tests/e2e_behaviour.py DEPENDS Velmora)
velmora_e2e(velmora_data_e2e app/tests/e2e_data.py DEPENDS Velmora)
velmora_e2e(velmora_alarms_e2e app/tests/e2e_alarms.py DEPENDS Velmora)
velmora_e2e(velmora_timesync_e2e app/tests/e2e_timesync.py DEPENDS Velmora)
# A difference of well under a millisecond is only measured on a machine with nothing else running.
set_tests_properties(velmora_timesync_e2e PROPERTIES RUN_SERIAL TRUE)
velmora_e2e(velmora_speech_e2e app/tests/e2e_speech.py DEPENDS Velmora)
velmora_e2e(velmora_alarm_edit_e2e app/tests/e2e_alarm_edit.py DEPENDS Velmora)
velmora_e2e(velmora_about_version_e2e app/tests/e2e_about_version.py DEPENDS Velmora)
# Torvane is a later folder of the build: the test only needs its program at run time.
velmora_e2e(velmora_torvane_zones_e2e app/tests/e2e_torvane_zones.py DEPENDS Velmora Torvane)
velmora_e2e(velmora_timers_e2e app/tests/e2e_timers.py DEPENDS Velmora)
velmora_e2e(velmora_diary_e2e app/tests/e2e_diary.py DEPENDS Velmora)
velmora_e2e(velmora_options_e2e app/tests/e2e_options.py DEPENDS Velmora)
velmora_e2e(velmora_sheet_pages_e2e app/tests/e2e_sheet_pages.py DEPENDS Velmora)
velmora_e2e(velmora_clock_config_e2e app/tests/e2e_clock_config.py DEPENDS Velmora)
velmora_e2e(velmora_tray_menu_e2e app/tests/e2e_tray_menu.py DEPENDS Velmora)
velmora_e2e(velmora_dialogs_e2e app/tests/e2e_dialogs.py DEPENDS Velmora)
