#include "ActivityLog.h"
#include "FileAccess.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

namespace
{
HANDLE g_holder = INVALID_HANDLE_VALUE;
int g_sleeps = 0;
int g_releaseAfter = 0;

// Stands in for the 50 ms wait: lets the holder go after a given number of waits.
void FakeSleep(DWORD)
{
    if (++g_sleeps == g_releaseAfter && g_holder != INVALID_HANDLE_VALUE)
    {
        CloseHandle(g_holder);
        g_holder = INVALID_HANDLE_VALUE;
    }
}
} // namespace

TEST(FileAccess, RetriesWhileTheFileIsHeld)
{
    std::string path = WriteTemp("held.txt", "data");
    FileAccess::SetSleepHook(FakeSleep);
    struct
    {
        int releaseAfter;
        bool ok;
        int sleeps;
    } cases[] = {{2, true, 2}, {0, false, 3}};
    for (auto& c : cases)
    {
        g_holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(g_holder, INVALID_HANDLE_VALUE);
        g_sleeps = 0;
        g_releaseAfter = c.releaseAfter;
        Logger log;
        DataBuffer b;
        EXPECT_EQ(FileAccess::ReadWholeFile(path.c_str(), b, &log), c.ok);
        EXPECT_EQ(g_sleeps, c.sleeps);
        if (!c.ok)
        {
            StringBuffer xml;
            log.GetXml(xml);
            // The wide interface on this platform; an ANSI-exact path is reported as "filename".
            EXPECT_NE(strstr(xml.GetString(), "Failed to open file (3)"), nullptr);
            EXPECT_NE(strstr(xml.GetString(), "<filename>"), nullptr);
            StringBuffer sharing;
            sharing.AppendErrorText(ERROR_SHARING_VIOLATION);
            std::string expected = std::string("<osErrorInfo>") + sharing.GetString() + "</osErrorInfo>";
            EXPECT_NE(strstr(xml.GetString(), expected.c_str()), nullptr) << xml.GetString();
        }
        if (g_holder != INVALID_HANDLE_VALUE)
            CloseHandle(g_holder);
        g_holder = INVALID_HANDLE_VALUE;
    }
    FileAccess::SetSleepHook(nullptr);
}

TEST(FileAccess, ReadsWholeFilesWithGuardBytes)
{
    std::string path = WriteTemp("whole.txt", "abc");
    DataBuffer b;
    ASSERT_TRUE(FileAccess::ReadWholeFile(path.c_str(), b, nullptr));
    EXPECT_EQ(BufferBytes(b), "abc");
    ASSERT_GE(b.GetCapacity(), 7u);
    EXPECT_EQ(memcmp(b.GetData() + 3, "\0\0\0\0", 4), 0);
    std::string empty = WriteTemp("empty.txt", "");
    EXPECT_TRUE(FileAccess::ReadWholeFile(empty.c_str(), b, nullptr));
    EXPECT_EQ(b.GetData(), nullptr);
    Logger log;
    EXPECT_FALSE(FileAccess::ReadWholeFile("", b, &log));
    StringBuffer xml;
    log.GetXml(xml);
    EXPECT_NE(strstr(xml.GetString(), "Cannot open file, filename is empty."), nullptr);
}

TEST(FileAccess, WidePathsAndWrites)
{
    std::string dir = TempPath("");
    std::string name = dir + "written.txt";
    EXPECT_TRUE(FileAccess::WriteWholeFileUtf8(name.c_str(), "wide", 4, nullptr));
    DataBuffer b;
    ASSERT_TRUE(FileAccess::ReadWholeFile(name.c_str(), b, nullptr));
    EXPECT_EQ(BufferBytes(b), "wide");
    // A path outside the ANSI code page goes through the wide calls and is reported in UTF-8.
    Logger log;
    std::string missing = dir + "\xE6\x97\xA5-missing\\x.txt";
    EXPECT_FALSE(FileAccess::ReadWholeFile(missing.c_str(), b, &log));
    StringBuffer xml;
    log.GetXml(xml);
    EXPECT_NE(strstr(xml.GetString(), "Failed to open file (3)"), nullptr);
    EXPECT_NE(strstr(xml.GetString(), "<utf8Filename>"), nullptr);
    EXPECT_FALSE(FileAccess::WriteWholeFileAnsi("", "x", 1, nullptr));
    EXPECT_FALSE(FileAccess::WriteWholeFileUtf8(nullptr, "x", 1, nullptr));
    XString cwd;
    FileAccess::GetCurrentDir(cwd);
    EXPECT_GT(cwd.GetUtf16Length(), 0);
    XString wname;
    wname.SetFromUtf8(name.c_str());
    DeleteFileW(wname.GetUtf16());
}

TEST(FileAccess, RefusesFilesTooLargeToHold)
{
    // Sparse files: no disk space is used, but their sizes would not fit a 32-bit allocation.
    unsigned long long sizes[] = {0x100000010ULL, 0xFFFFFFFDULL};
    for (unsigned long long size : sizes)
    {
        std::string path = TempPath("huge.bin");
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        LONG high = (LONG)(size >> 32);
        SetFilePointer(h, (LONG)(size & 0xFFFFFFFFULL), &high, FILE_BEGIN);
        ASSERT_TRUE(SetEndOfFile(h));
        CloseHandle(h);
        DataBuffer b;
        Logger log;
        EXPECT_FALSE(FileAccess::ReadWholeFile(path.c_str(), b, &log));
        EXPECT_EQ(b.GetData(), nullptr);
        EXPECT_TRUE(log.ErrorLogged());
        DeleteFileA(path.c_str());
    }
}
