#include "ActivityLog.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

TEST(ActivityLog, MultiLineErrorsAndSummary)
{
    Logger log;
    log.EnterContext("Outer", true);
    log.EnterContext("Inner", false);
    log.LogError("first line\r\nsecond line");
    log.LogData("  my name ", "v");
    log.LeaveContext();
    StringBuffer summary;
    log.GetErrorSummary(summary);
    EXPECT_STREQ(summary.GetString(), "");
    log.LeaveContext();
    log.GetErrorSummary(summary);
    EXPECT_STREQ(summary.GetString(), "(Outer)\n(Inner)\nfirst line\n      second line\nmy_name: v");
    StringBuffer xml;
    log.GetXml(xml);
    EXPECT_STREQ(
        xml.GetString(),
        "<CorvitaLog>\n<Outer>\n    <Inner>\n        <error><![CDATA[first line\n  second line]]></error>\n"
        "        <my_name>v</my_name>\n    </Inner>\n</Outer>\n</CorvitaLog>\n");
    EXPECT_TRUE(log.ErrorLogged());
    log.ClearLog();
    EXPECT_FALSE(log.ErrorLogged());
}

TEST(ActivityLog, EmptyThingsAndValues)
{
    Logger log;
    EXPECT_TRUE(log.LogInfo("\r\n\r\n"));
    EXPECT_FALSE(log.LogInfo(""));
    EXPECT_FALSE(log.LogData(" ", "x"));
    EXPECT_FALSE(log.EnterContext("", false));
    StringBuffer xml;
    log.GetXml(xml);
    EXPECT_STREQ(xml.GetString(), "");
    log.EnterContext("Nothing", true);
    log.LeaveContext();
    log.GetXml(xml);
    EXPECT_STREQ(xml.GetString(), "");

    struct
    {
        const char* value;
        const char* written;
    } values[] = {
        {"a<b", "<v><![CDATA[a<b]]></v>"},
        {"tab\there", "<v><![CDATA[tab\there]]></v>"},
        {"plain", "<v>plain</v>"},
        {"<![CDATA[x]]>&", "<v>&lt;![CDATA[x]]&gt;&amp;</v>"},
    };
    for (auto& v : values)
    {
        Logger l;
        l.LogData("v", v.value);
        StringBuffer out;
        l.GetXml(out);
        EXPECT_EQ(std::string(out.GetString()),
                  std::string("<CorvitaLog>\n") + v.written + "\n</CorvitaLog>\n");
    }
    Logger m;
    m.LogInfo("<![CDATA[x]]> & <");
    StringBuffer out;
    m.GetXml(out);
    EXPECT_STREQ(out.GetString(), "<CorvitaLog>\n<info><![CDATA[x]]> & <</info>\n</CorvitaLog>\n");
}

TEST(ActivityLog, TextForms)
{
    Logger log;
    log.LogError("bad _STATUS_");
    log.LogDebug("hidden");
    log.LogData("k", "v");
    StringBuffer text;
    log.GetText(text);
    EXPECT_STREQ(text.GetString(), "bad _STATUS_\r\nk: v\r\n");
    StringBuffer html;
    log.GetHtml(html);
    EXPECT_STREQ(html.GetString(), "bad _STATUS_<br>k: v<br>");
    log.GetActivityLog()->SetTemplate("_STATUS_ _MESSAGE_|", false);
    StringBuffer custom;
    log.GetActivityLog()->RenderText(custom);
    EXPECT_STREQ(custom.GetString(), "ERROR bad ERROR|INFO k: v|");
}

TEST(ActivityLog, SavesXml)
{
    std::string path = TempPath("log.xml");
    Logger empty;
    EXPECT_TRUE(empty.SaveXml(false, path.c_str()));
    DataBuffer b;
    ASSERT_TRUE(b.LoadFile(path.c_str(), nullptr));
    EXPECT_EQ(BufferBytes(b),
              "<?xml version=\"1.0\"  encoding=\"utf-8\" standalone=\"yes\" ?>\n<CorvitaLog>The "
              "log is empty</CorvitaLog>");
    Logger log;
    log.LogInfo("hi");
    EXPECT_TRUE(log.SaveXml(true, path.c_str()));
    ASSERT_TRUE(b.LoadFile(path.c_str(), nullptr));
    EXPECT_NE(BufferBytes(b).find("<info date=\""), std::string::npos);
    EXPECT_FALSE(log.SaveXml(false, nullptr));
    // A file that cannot be written is reported, not passed off as saved.
    std::string missing = TempPath("no-such-folder\\log.xml");
    EXPECT_FALSE(log.SaveXml(false, missing.c_str()));
    EXPECT_FALSE(empty.SaveXml(false, missing.c_str()));
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(path.c_str());
}
