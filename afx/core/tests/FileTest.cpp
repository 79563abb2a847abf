// CFile, CMemFile, CSharedFile and CStdioFile against real files in a temporary folder.
#include "afx.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

static void WriteRaw(const CString& strPath, const std::string& bytes)
{
    CFile f(strPath, CFile::modeCreate | CFile::modeWrite);
    f.Write(bytes.data(), (UINT)bytes.size());
    f.Close();
}

static std::string ReadRaw(const CString& strPath)
{
    CFile f(strPath, CFile::modeRead);
    std::string bytes(f.GetLength(), '\0');
    UINT n = bytes.empty() ? 0 : f.Read(&bytes[0], (UINT)bytes.size());
    bytes.resize(n);
    return bytes;
}

TEST(CFileTest, RoundTripSeekAndLength)
{
    CTestFolder folder;
    CString strPath = folder.File("data.bin");
    {
        CFile f;
        CFileException e;
        ASSERT_TRUE(f.Open(strPath, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &e));
        BYTE bytes[300];
        for (int i = 0; i < 300; i++)
            bytes[i] = (BYTE)i;
        f.Write(bytes, sizeof(bytes));
        EXPECT_EQ(300u, f.GetLength());
        EXPECT_EQ(300u, f.GetPosition());
        EXPECT_EQ(10, f.Seek(10, CFile::begin));
        BYTE b[4];
        EXPECT_EQ(4u, f.Read(b, 4));
        EXPECT_EQ(10, b[0]);
        EXPECT_EQ(13, b[3]);
        EXPECT_EQ(4, f.Seek(-10, CFile::current));
        EXPECT_EQ(298, f.Seek(-2, CFile::end));
        EXPECT_EQ(2u, f.Read(b, 4)); // short read at the end
        EXPECT_EQ(0u, f.Read(b, 4));
        f.SetLength(100);
        EXPECT_EQ(100u, f.GetLength());
        EXPECT_EQ(100u, f.SeekToEnd());
        f.SeekToBegin();
        EXPECT_EQ(0u, f.GetPosition());
        EXPECT_STREQ("data.bin", (LPCTSTR)f.GetFileName());
        EXPECT_STREQ("data", (LPCTSTR)f.GetFileTitle());
        EXPECT_EQ(0, f.GetFilePath().CompareNoCase(strPath));
        CFileStatus status;
        ASSERT_TRUE(f.GetStatus(status));
        EXPECT_EQ(100, status.m_size);
        EXPECT_NE(0, status.m_mtime.GetTime());
    }
    std::string bytes = ReadRaw(strPath);
    ASSERT_EQ(100u, bytes.size());
    EXPECT_EQ(99, (BYTE)bytes[99]);

    // modeNoTruncate keeps what is there.
    {
        CFile f(strPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(100u, f.GetLength());
    }
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(strPath, status));
    EXPECT_EQ(100, status.m_size);
    EXPECT_EQ(0, CString(status.m_szFullName).CompareNoCase(strPath));
    EXPECT_FALSE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus(folder.File("d*.bin"), status));
    EXPECT_FALSE(CFile::GetStatus(folder.File("none.bin"), status));

    CString strNew = folder.File("renamed.bin");
    CFile::Rename(strPath, strNew);
    EXPECT_FALSE(CFile::GetStatus(strPath, status));
    CFile::Remove(strNew);
    EXPECT_FALSE(CFile::GetStatus(strNew, status));
}

TEST(CFileTest, OpenFailuresGiveTheirCause)
{
    CTestFolder folder;
    CString strLocked = folder.File("locked.dat");
    WriteRaw(strLocked, "x");
    CString strPlain = folder.File("plain.dat");
    WriteRaw(strPlain, "x");

    CFile holder(strLocked, CFile::modeRead | CFile::shareExclusive);

    struct
    {
        CString path;
        UINT flags;
        int cause;
    } cases[] = {
        {folder.File("missing.dat"), CFile::modeRead, CFileException::fileNotFound},
        {folder.File("nodir\\x.dat"), CFile::modeRead, CFileException::badPath},
        {folder.File("nodir\\x.dat"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {"", CFile::modeRead, CFileException::badPath},
        {strLocked, CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation},
        {folder.Path(), CFile::modeCreate | CFile::modeWrite, CFileException::accessDenied},
    };
    for (const auto& c : cases)
    {
        CFile f;
        CFileException e;
        EXPECT_FALSE(f.Open(c.path, c.flags, &e)) << (LPCTSTR)c.path;
        EXPECT_EQ(c.cause, e.m_cause) << (LPCTSTR)c.path << " os error " << e.m_lOsError;
        EXPECT_STREQ((LPCTSTR)c.path, (LPCTSTR)e.m_strFileName);
        EXPECT_EQ((UINT_PTR)CFile::hFileNull, f.m_hFile);
    }

    // The throwing constructor carries the same information.
    try
    {
        CFile f(folder.File("missing.dat"), CFile::modeRead);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_EQ(folder.File("missing.dat"), e->m_strFileName);
        e->Delete();
    }
    // Writing to a file opened for reading fails with an exception, not silently.
    CFile reader(strPlain, CFile::modeRead | CFile::shareDenyNone);
    EXPECT_THROW(reader.Write("y", 1), CFileException*);
}

TEST(CMemFileTest, GrowSeekAndClampedReads)
{
    CMemFile f(16);
    std::vector<BYTE> data(10000);
    for (size_t i = 0; i < data.size(); i++)
        data[i] = (BYTE)(i * 7);
    for (size_t i = 0; i < data.size(); i += 1000)
        f.Write(&data[i], 1000);
    EXPECT_EQ(10000u, f.GetLength());

    std::vector<BYTE> back(20000, 0xEE);
    f.SeekToBegin();
    EXPECT_EQ(10000u, f.Read(&back[0], 20000));
    EXPECT_EQ(0, memcmp(&data[0], &back[0], 10000));
    EXPECT_EQ(0xEE, back[10000]); // nothing past the file's end
    EXPECT_EQ(0u, f.Read(&back[0], 1));

    // A write after seeking past the end leaves zeros in the gap.
    EXPECT_EQ(10010, f.Seek(10, CFile::end));
    f.Write("Z", 1);
    EXPECT_EQ(10011u, f.GetLength());
    f.Seek(10000, CFile::begin);
    BYTE gap[11];
    EXPECT_EQ(11u, f.Read(gap, 11));
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(0, gap[i]);
    EXPECT_EQ('Z', gap[10]);

    f.SetLength(5);
    EXPECT_EQ(5u, f.GetPosition());
    EXPECT_EQ(5u, f.GetLength());

    try
    {
        f.Seek(-6, CFile::end);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }
    EXPECT_EQ(5u, f.GetPosition());
    EXPECT_THROW(f.Duplicate(), CNotSupportedException*);
}

TEST(CMemFileTest, AttachedBufferDoesNotGrowOrLeak)
{
    BYTE buffer[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    CMemFile f(buffer, sizeof(buffer));
    EXPECT_EQ(8u, f.GetLength());
    char text[9] = {};
    EXPECT_EQ(8u, f.Read(text, 100));
    EXPECT_STREQ("abcdefgh", text);
    f.SeekToBegin();
    f.Write("AB", 2);
    EXPECT_EQ('A', buffer[0]);
    f.SeekToEnd();
    EXPECT_THROW(f.Write("x", 1), CMemoryException*);
    EXPECT_EQ(buffer, f.Detach());
    EXPECT_EQ(0u, f.GetLength());

    CMemFile g;
    g.Write("hello", 5);
    BYTE* p = g.Detach();
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(0, memcmp(p, "hello", 5));
    free(p);
}

TEST(CSharedFileTest, DetachGivesGlobalMemory)
{
    CSharedFile f(GMEM_MOVEABLE, 4);
    f.Write("clock data", 11);
    HGLOBAL h = f.Detach();
    ASSERT_NE((HGLOBAL)NULL, h);
    EXPECT_GE(::GlobalSize(h), 11u);
    EXPECT_STREQ("clock data", (LPCSTR)::GlobalLock(h));
    ::GlobalUnlock(h);
    EXPECT_EQ(0u, f.GetLength());

    CSharedFile g;
    g.SetHandle(h, FALSE);
    char text[11];
    EXPECT_EQ(11u, g.Read(text, 11));
    EXPECT_STREQ("clock data", text);
    g.SeekToEnd();
    EXPECT_THROW(g.Write(std::string(5000, 'x').data(), 5000), CMemoryException*); // not allowed to grow
    EXPECT_EQ(h, g.Detach());
    ::GlobalFree(h);
}

TEST(CStdioFileTest, TextModeLines)
{
    CTestFolder folder;
    CString strPath = folder.File("lines.txt");
    std::string longLine(300, 'L');
    WriteRaw(strPath, "one\r\ntwo\r\n\r\n" + longLine + "\r\nlast");

    CStdioFile f(strPath, CFile::modeRead | CFile::typeText);
    LPCTSTR expected[] = {"one", "two", "", longLine.c_str(), "last"};
    CString strLine;
    for (LPCTSTR e : expected)
    {
        ASSERT_TRUE(f.ReadString(strLine));
        EXPECT_STREQ(e, (LPCTSTR)strLine);
    }
    EXPECT_FALSE(f.ReadString(strLine));
    EXPECT_TRUE(strLine.IsEmpty());
    f.Close();

    // The buffer form keeps the newline and stops at the buffer's size.
    CStdioFile g(strPath, CFile::modeRead | CFile::typeText);
    TCHAR sz[4];
    EXPECT_STREQ("one", g.ReadString(sz, 4));
    EXPECT_STREQ("\n", g.ReadString(sz, 4));
    g.Close();

    CStdioFile w(folder.File("out.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    w.WriteString("a\nb\n");
    w.Close();
    EXPECT_EQ("a\r\nb\r\n", ReadRaw(folder.File("out.txt")));

    CStdioFile b(strPath, CFile::modeRead | CFile::typeBinary);
    ASSERT_TRUE(b.ReadString(strLine));
    EXPECT_STREQ("one\r", (LPCTSTR)strLine);
}
