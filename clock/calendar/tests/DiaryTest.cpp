// The diary's year files against their byte layout, day indexes, bold days, damaged files that are
// never written over, and a day's note with its reminder alarm.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "AlarmEngine.h"
#include "Alarms.h"
#include "Diary.h"
#include "DiaryEntry.h"
#include "TestSupport.h"

namespace
{
// An entry's body: has text, reminder, reminder id, text (one-byte length), reminder created time.
std::string Body(int nHasText, int nReminder, int nId, const std::string& text, const char* pszCreated)
{
    char sz[64];
    snprintf(sz, sizeof sz, "%02X 00 00 00 %02X 00 00 00 %02X 00 00 00 %02X", nHasText, nReminder, nId,
             (int)text.size());
    return std::string(sz) + (text.empty() ? "" : " '" + text + "'") + " " + pszCreated;
}

const char kFirstClass[] = "FF FF 01 00 0B 00 'CDiaryEntry' ";
const char kClassRef[] = "01 80 ";
const char kCreated[] = "10 20 30 40";

// A year file of 367 entries with notes at the given indexes, as the layout says it is stored.
Bytes YearImage(const std::map<int, std::string>& notes)
{
    std::string text = kFirstClass;
    for (int i = 0; i < DIARY_ENTRIES; i++)
    {
        if (i > 0)
            text += kClassRef;
        auto it = notes.find(i);
        text += it == notes.end() ? Body(0, 0, 0, "", kCreated) : Body(1, 0, 0, it->second, kCreated);
        text += " ";
    }
    return Image(text);
}

void Note(CDiary& diary, int nIndex, const char* pszText)
{
    CDiaryEntry entry;
    entry.m_bHasText = TRUE;
    entry.m_strText = pszText;
    entry.m_tReminderCreated = 0x40302010;
    ASSERT_TRUE(diary.SetDiaryEntry(nIndex, entry));
}

CString Base(const CTestFolder& folder)
{
    return folder.Path() + _T("\\");
}

class CQuiet : public IAlarmActions
{
public:
    std::function<void()> onNotify;
    void PlayAlarmSound(const CString&) override {}
    void PlayCdTrack(int) override {}
    void RunProgram(const CString&, BOOL) override {}
    void ScheduleShutdown(UINT, BOOL) override {}
    void SpeakAlarm(const CString&, const COleDateTime&) override {}
    void ShowNotification(const CString&, const CString&, COleDateTime&, BOOL) override
    {
        if (onNotify)
            onNotify();
    }
    BOOL SaveAlarms() override { return TRUE; }
    void ReportOutOfMemory() override {}
};
} // namespace

TEST(Diary, YearFileIsItsByteLayoutBothWays)
{
    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    EXPECT_EQ(CString(Base(folder) + _T("VelDiary2024")), diary.GetDiaryFileName(2024));
    EXPECT_EQ(DIARYLOAD_NEW, diary.LoadYear(2024));
    EXPECT_EQ(2024, diary.m_nYear);
    for (int i = 0; i < DIARY_ENTRIES; i++)
        diary.GetDiaryEntry(i)->m_tReminderCreated = 0x40302010;
    Note(diary, CDiary::GetDayIndex(2024, 2, 29), "Leap day");
    Note(diary, 366, "Year end");

    ASSERT_TRUE(diary.SaveDiary(2024));
    EXPECT_EQ(-1, diary.m_nYear) << "after writing, the next switch reads the file back";
    const Bytes expected = YearImage({{60, "Leap day"}, {366, "Year end"}});
    EXPECT_EQ(Hex(expected), Hex(folder.Read(_T("VelDiary2024"))));

    // Read back, with a reminder pair that comes through unchanged.
    Bytes withReminder = Image(std::string(kFirstClass) + Body(0, 0, 0, "", kCreated) + " " + kClassRef +
                               Body(1, 1, 7, "Dentist", "01 02 03 04"));
    for (int i = 2; i < DIARY_ENTRIES; i++)
        withReminder = withReminder + Image(std::string(kClassRef) + Body(0, 0, 0, "", kCreated));
    folder.Write(_T("VelDiary2025"), withReminder);
    EXPECT_EQ(DIARYLOAD_READ, diary.LoadYear(2025));
    const CDiaryEntry* p = diary.GetDiaryEntry(1);
    EXPECT_TRUE(p->m_bHasText && p->m_bReminder);
    EXPECT_EQ(CString(_T("Dentist")), p->m_strText);
    EXPECT_EQ(7, p->m_nReminderId);
    EXPECT_EQ(0x04030201, p->m_tReminderCreated);
    EXPECT_FALSE(diary.m_bChanged);
    ASSERT_TRUE(diary.SaveDiary(2025));
    EXPECT_EQ(Hex(withReminder), Hex(folder.Read(_T("VelDiary2025"))));
}

TEST(Diary, DayIndexesAndLeapYears)
{
    struct
    {
        int y, m, d, index;
    } const table[] = {{2024, 1, 1, 1},     {2024, 2, 29, 60}, {2024, 3, 1, 61}, {2024, 12, 31, 366},
                       {2023, 12, 31, 365}, {2023, 3, 1, 60},  {2023, 2, 29, 0}, {1900, 12, 31, 365},
                       {2000, 12, 31, 366}, {2024, 4, 31, 0},  {2024, 13, 1, 0}};
    for (const auto& t : table)
        EXPECT_EQ(t.index, CDiary::GetDayIndex(t.y, t.m, t.d)) << t.y << "-" << t.m << "-" << t.d;
    EXPECT_EQ(60, CDiary::GetDayIndex(COleDateTime(2024, 2, 29, 13, 5, 0)));
    EXPECT_TRUE(CDiary::IsDayIndexValid(2024, 366));
    EXPECT_FALSE(CDiary::IsDayIndexValid(2023, 366));
    EXPECT_FALSE(CDiary::IsDayIndexValid(2024, 0));

    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    CAlarmEngine alarms;
    diary.LoadYear(2023);
    EXPECT_FALSE(diary.StoreDay(366, _T("none"), FALSE, COleDateTime(), alarms, CDiaryReminderOptions()));
    EXPECT_FALSE(diary.StoreDay(0, _T("none"), FALSE, COleDateTime(), alarms, CDiaryReminderOptions()));
    EXPECT_FALSE(diary.GetDiaryEntry(366)->m_bHasText);
    EXPECT_FALSE(diary.m_bChanged);
}

TEST(Diary, BoldDaysMarkOnlyTheMonthsOwnNotes)
{
    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    diary.LoadYear(2024);
    Note(diary, CDiary::GetDayIndex(2024, 4, 1), "a");
    Note(diary, CDiary::GetDayIndex(2024, 4, 30), "b");
    Note(diary, CDiary::GetDayIndex(2024, 5, 1), "next month");
    Note(diary, CDiary::GetDayIndex(2024, 2, 29), "leap");
    Note(diary, CDiary::GetDayIndex(2024, 3, 1), "march");
    EXPECT_EQ((DWORD)0x20000001, diary.GetBoldDays(2024, 4)) << "no day 31 from the 1st of May";
    EXPECT_EQ((DWORD)1, diary.GetBoldDays(2024, 5));
    EXPECT_EQ((DWORD)1 << 28, diary.GetBoldDays(2024, 2)) << "the 1st of March is no day 30 of February";
    EXPECT_EQ((DWORD)0, diary.GetBoldDays(2025, 4)) << "a year that is not loaded shows nothing";
}

TEST(Diary, DamagedFilesAreReportedNeverTakenAndNeverWrittenOver)
{
    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    const Bytes whole = YearImage({{1, "New year"}, {60, "Leap day"}});
    auto check = [&](const Bytes& bytes, bool bMayRead) {
        folder.Write(_T("VelDiary2024"), bytes);
        int nResult = diary.LoadYear(2024);
        if (nResult == DIARYLOAD_READ && bMayRead)
            return true;
        EXPECT_EQ(DIARYLOAD_DAMAGED, nResult);
        EXPECT_EQ(-1, diary.m_nYear) << "a damaged year is not made current";
        EXPECT_TRUE(diary.IsYearDamaged(2024));
        EXPECT_FALSE(diary.GetDiaryEntry(60)->m_bHasText) << "nothing of the file is taken";
        EXPECT_FALSE(diary.SaveDiary(2024)) << "and it is never written over";
        EXPECT_EQ(Hex(bytes), Hex(folder.Read(_T("VelDiary2024"))));
        return false;
    };

    for (size_t nCut = 0; nCut < whole.size(); nCut++)
        if (check(Bytes(whole.begin(), whole.begin() + (long)nCut), false))
            FAIL() << "a file cut at " << nCut << " was read";
    EXPECT_TRUE(check(whole + Image("00"), false) == false) << "bytes after the 367th entry";

    std::mt19937 random(20240229);
    for (int n = 0; n < 400; n++)
    {
        Bytes bytes = whole;
        int nChanges = 1 + (int)(random() % 4);
        for (int c = 0; c < nChanges; c++)
            bytes[random() % bytes.size()] = (BYTE)random();
        check(bytes, true);
    }

    // The whole file is read again, and the year may be written once more.
    folder.Write(_T("VelDiary2024"), whole);
    EXPECT_EQ(DIARYLOAD_READ, diary.LoadYear(2024));
    EXPECT_FALSE(diary.IsYearDamaged(2024));
    EXPECT_EQ(CString(_T("Leap day")), diary.GetDiaryEntry(60)->m_strText);
}

TEST(Diary, NoteReminderIsMadeUpdatedAndDeleted)
{
    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    CAlarmEngine alarms;
    CQuiet actions;
    alarms.SetActions(&actions);
    CDiaryReminderOptions options;
    options.bPlaySound = FALSE;
    options.strSoundFile = _T("Chime");
    options.bDeleteOnCompletion = TRUE;
    diary.LoadYear(2024);
    const COleDateTime when(2024, 2, 29, 9, 30, 0);

    ASSERT_TRUE(diary.StoreDay(60, _T("100% of %s done"), TRUE, when, alarms, options));
    ASSERT_EQ(1, alarms.GetAlarmCount());
    CAlarms* pAlarm = alarms.GetAlarm(0);
    const CDiaryEntry* pEntry = diary.GetDiaryEntry(60);
    EXPECT_TRUE(pEntry->m_bHasText && pEntry->m_bReminder && diary.m_bChanged);
    EXPECT_TRUE(pAlarm->IsSameAlarm(pEntry->m_nReminderId, pEntry->m_tReminderCreated));
    EXPECT_EQ(CString(_T("Diary Reminder")), pAlarm->m_strName);
    EXPECT_EQ(CString(_T("100% of %s done")), pAlarm->m_strMessage);
    EXPECT_TRUE(pAlarm->m_bDisplayMessage && pAlarm->m_bRemoveOnCompletion);
    EXPECT_FALSE(pAlarm->m_bPlaySound);
    EXPECT_EQ(CString(_T("Chime")), pAlarm->m_strSoundFile);
    EXPECT_EQ(ALARMSTATE_NEW, pAlarm->m_nState);
    EXPECT_EQ(when, pAlarm->m_dtActivation);
    COleDateTime dt;
    EXPECT_TRUE(diary.GetReminder(60, alarms, dt));
    EXPECT_EQ(when, dt);

    // Storing again updates the same alarm.
    const COleDateTime later(2024, 3, 1, 8, 0, 0);
    diary.StoreDay(60, _T("moved"), TRUE, later, alarms, options);
    ASSERT_EQ(1, alarms.GetAlarmCount());
    EXPECT_EQ(later, alarms.GetAlarm(0)->m_dtActivation);
    EXPECT_EQ(CString(_T("moved")), alarms.GetAlarm(0)->m_strMessage);

    // Unchecked, the alarm goes and the note stays; checked again a new alarm comes.
    diary.StoreDay(60, _T("moved"), FALSE, later, alarms, options);
    EXPECT_EQ(0, alarms.GetAlarmCount());
    EXPECT_TRUE(pEntry->m_bHasText && !pEntry->m_bReminder);
    EXPECT_FALSE(diary.GetReminder(60, alarms, dt));
    diary.StoreDay(60, _T("again"), TRUE, later, alarms, options);
    ASSERT_EQ(1, alarms.GetAlarmCount());

    // An empty text clears the note and its alarm; the identity pair is kept.
    LONG nId = pEntry->m_nReminderId;
    diary.StoreDay(60, _T(""), TRUE, later, alarms, options);
    EXPECT_EQ(0, alarms.GetAlarmCount());
    EXPECT_FALSE(pEntry->m_bHasText || pEntry->m_bReminder);
    EXPECT_EQ(nId, pEntry->m_nReminderId);

    // The alarm deleted elsewhere: the reminder shows as gone.
    diary.StoreDay(61, _T("x"), TRUE, later, alarms, options);
    const CDiaryEntry* p61 = diary.GetDiaryEntry(61);
    alarms.DeleteAlarm(p61->m_nReminderId, p61->m_tReminderCreated);
    EXPECT_FALSE(diary.GetReminder(61, alarms, dt));
}

TEST(Diary, ClearingTheNoteOfAFiringReminderKeepsItUntilItsNotificationCloses)
{
    CTestFolder folder;
    CDiary diary;
    diary.SetBasePath(Base(folder));
    CAlarmEngine alarms;
    CQuiet actions;
    alarms.SetActions(&actions);
    diary.LoadYear(2024);
    const COleDateTime when(2024, 2, 29, 9, 30, 0);
    diary.StoreDay(60, _T("Leap"), TRUE, when, alarms, CDiaryReminderOptions());
    CAlarms* pAlarm = alarms.GetAlarm(0);
    int nSeen = -1;
    actions.onNotify = [&]() {
        diary.StoreDay(60, _T(""), FALSE, when, alarms, CDiaryReminderOptions());
        // Still a live object while its notification is open.
        nSeen = pAlarm->m_nState;
    };
    alarms.FireAlarm(pAlarm, when, TRUE, FALSE);
    EXPECT_EQ(ALARMSTATE_PROCESSING, nSeen);
    EXPECT_EQ(0, alarms.GetAlarmCount());
    EXPECT_FALSE(diary.GetDiaryEntry(60)->m_bHasText);
}
