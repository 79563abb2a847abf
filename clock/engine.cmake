# The clock's engines, apart from every window: the clock record, the display-text formatter, the
# settings, the data files, the layout of the clocks, auto-hide, the shut-down sequence, the
# platform services, and the timers' counting and texts. Only the engine folders are on the
# include path: an engine file that reaches for a window header does not compile.
set(VELMORA_ENGINE_DIR ${CMAKE_CURRENT_LIST_DIR}/engine)
set(VELMORA_TIMERS_DIR ${CMAKE_CURRENT_LIST_DIR}/timers)
set(VELMORA_ALARMS_DIR ${CMAKE_CURRENT_LIST_DIR}/alarms)
set(VELMORA_SOUND_DIR ${CMAKE_CURRENT_LIST_DIR}/sound)
set(VELMORA_TIMESYNC_DIR ${CMAKE_CURRENT_LIST_DIR}/timesync)
set(VELMORA_SPEECH_DIR ${CMAKE_CURRENT_LIST_DIR}/speech)
set(VELMORA_CALENDAR_DIR ${CMAKE_CURRENT_LIST_DIR}/calendar)
add_library(velmora_engine STATIC
    ${VELMORA_ENGINE_DIR}/AutoHide.cpp
    ${VELMORA_ENGINE_DIR}/Clock.cpp
    ${VELMORA_ENGINE_DIR}/ClockDataFile.cpp
    ${VELMORA_ENGINE_DIR}/DataFileArchive.cpp
    ${VELMORA_ENGINE_DIR}/ClockLayout.cpp
    ${VELMORA_ENGINE_DIR}/DisplayTextFormatter.cpp
    ${VELMORA_ENGINE_DIR}/PlatformServices.cpp
    ${VELMORA_ENGINE_DIR}/ServerDataFile.cpp
    ${VELMORA_ENGINE_DIR}/Settings.cpp
    ${VELMORA_ENGINE_DIR}/ShutdownSequence.cpp
    ${VELMORA_ENGINE_DIR}/TimeServer.cpp
    ${VELMORA_ENGINE_DIR}/WindowsVersion.cpp
    ${VELMORA_TIMESYNC_DIR}/SntpClient.cpp
    ${VELMORA_TIMESYNC_DIR}/SystemClock.cpp
    ${VELMORA_TIMESYNC_DIR}/TimeSyncController.cpp
    ${VELMORA_TIMERS_DIR}/TimerText.cpp
    ${VELMORA_ALARMS_DIR}/AlarmEngine.cpp
    ${VELMORA_ALARMS_DIR}/Alarms.cpp
    ${VELMORA_ALARMS_DIR}/SpeechHook.cpp
    ${VELMORA_SOUND_DIR}/AlarmSound.cpp
    ${VELMORA_SOUND_DIR}/MciDevice.cpp
    ${VELMORA_SOUND_DIR}/SoundServices.cpp
    ${VELMORA_SPEECH_DIR}/AgentSpeaker.cpp
    ${VELMORA_SPEECH_DIR}/RecordingCharacter.cpp
    ${VELMORA_SPEECH_DIR}/SpeechText.cpp
    ${VELMORA_CALENDAR_DIR}/Diary.cpp
    ${VELMORA_CALENDAR_DIR}/DiaryEntry.cpp)
target_include_directories(velmora_engine PUBLIC ${VELMORA_ENGINE_DIR} ${VELMORA_TIMERS_DIR} ${VELMORA_ALARMS_DIR}
    ${VELMORA_SOUND_DIR}
    ${VELMORA_SPEECH_DIR}
    ${VELMORA_CALENDAR_DIR})
target_include_directories(velmora_engine PUBLIC ${VELMORA_TIMESYNC_DIR})
target_compile_options(velmora_engine PRIVATE ${VELMORA_WARNINGS})
target_link_libraries(velmora_engine PUBLIC datetime afx winmm)
target_link_libraries(velmora_engine PUBLIC wsock32)

velmora_gtest(clock_engine_tests
    SOURCES
        ${VELMORA_ENGINE_DIR}/tests/TestApp.cpp
        ${VELMORA_ENGINE_DIR}/tests/AutoHideTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/ClockDataFileTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/ClockLayoutTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/ClockTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/DamagedInputTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/DisplayTextFormatterTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/SettingsTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/ShutdownSequenceTest.cpp
        ${VELMORA_TIMERS_DIR}/tests/TimerTextTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/ServerDataFileTest.cpp
        ${VELMORA_ALARMS_DIR}/tests/AlarmsTest.cpp
        ${VELMORA_ALARMS_DIR}/tests/AlarmDataFileTest.cpp
        ${VELMORA_ALARMS_DIR}/tests/AlarmEngineTest.cpp
        ${VELMORA_SOUND_DIR}/tests/AlarmSoundTest.cpp
        ${VELMORA_SPEECH_DIR}/tests/AgentSpeakerTest.cpp
        ${VELMORA_SPEECH_DIR}/tests/SpeechTextTest.cpp
        ${VELMORA_CALENDAR_DIR}/tests/DiaryTest.cpp
    LIBS velmora_engine testsupport)
target_include_directories(clock_engine_tests PRIVATE ${VELMORA_ENGINE_DIR}/tests)

velmora_gtest(clock_timesync_tests
    SOURCES
        ${VELMORA_ENGINE_DIR}/tests/TestApp.cpp
        ${VELMORA_TIMESYNC_DIR}/tests/LoopbackResponder.cpp
        ${VELMORA_TIMESYNC_DIR}/tests/SntpClientTest.cpp
        ${VELMORA_TIMESYNC_DIR}/tests/TimeSyncControllerTest.cpp
        ${VELMORA_ENGINE_DIR}/tests/WindowsVersionTest.cpp
    LIBS velmora_engine testsupport)
target_include_directories(clock_timesync_tests PRIVATE ${VELMORA_ENGINE_DIR}/tests ${VELMORA_TIMESYNC_DIR}/tests)
