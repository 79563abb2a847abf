# The clock's engines, apart from its windows: the clock record, the display-text formatter, the
# settings, the tray icon and the time-zone page, with their unit tests.
set(VELMORA_ENGINE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app/Clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/DisplayTextFormatter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/SystemTray.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options/Settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options/ConfigureClock.cpp
)

add_library(velmora_engine STATIC ${VELMORA_ENGINE_SOURCES})
target_include_directories(velmora_engine PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}/app ${CMAKE_CURRENT_LIST_DIR}/options ${CMAKE_SOURCE_DIR}/resources)
target_compile_options(velmora_engine PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(velmora_engine PUBLIC datetime afx)

set(VELMORA_ENGINE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/app/tests/TestApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/tests/ClockTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/tests/DisplayTextFormatterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/tests/SystemTrayTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/tests/EngineTest.rc
    ${CMAKE_CURRENT_LIST_DIR}/options/tests/SettingsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options/tests/ConfigureClockTest.cpp
    ${CMAKE_SOURCE_DIR}/resources/velmora/ConfigureClock.rc
)
velmora_gtest(clock_engine_tests SOURCES ${VELMORA_ENGINE_TESTS} LIBS velmora_engine)
target_include_directories(clock_engine_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/app/tests)

# The tray tests change icons by resource id: the program's tray icons, drawn at build time.
set(VELMORA_ENGINE_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/engine_icons)
set(VELMORA_ENGINE_ICON_FILES ${VELMORA_ENGINE_ICON_DIR}/tray_normal1.ico ${VELMORA_ENGINE_ICON_DIR}/tray_normal2.ico)
add_custom_command(OUTPUT ${VELMORA_ENGINE_ICON_FILES}
    COMMAND python3 ${CMAKE_SOURCE_DIR}/resources/make_icons.py ${VELMORA_ENGINE_ICON_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icons.py
    COMMENT "Drawing the engine tests' icons")
add_custom_target(clock_engine_test_icons DEPENDS ${VELMORA_ENGINE_ICON_FILES})
add_dependencies(clock_engine_tests clock_engine_test_icons)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/app/tests/EngineTest.rc PROPERTIES
    OBJECT_DEPENDS "${VELMORA_ENGINE_ICON_FILES}")
target_include_directories(clock_engine_tests PRIVATE ${VELMORA_ENGINE_ICON_DIR})
