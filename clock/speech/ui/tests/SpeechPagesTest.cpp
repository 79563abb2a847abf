// The two speech option pages in a real property sheet: the character list and its preview through
// the recording stand-in, the page without an Agent, and the spoken-announcement values.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdlgs.h>
#include <memory>
#include <string>
#include <vector>

#include "AgentCharacter.h"
#include "AgentOptions.h"
#include "SpeakingClockOptions.h"
#include "TestSupport.h"
#include "velmora/resource.h"

namespace
{
class SpeechPages : public ::testing::Test
{
protected:
    CTestFolder m_folder;
    CString m_strLog;
    std::unique_ptr<IAgentCharacter> m_pCharacter;

    void SetUp() override
    {
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        m_strLog = m_folder.File(_T("agent.log"));
        m_pCharacter.reset(CreateRecordingCharacter(m_strLog));
        m_folder.Write(_T("Robin.acs"), std::string("character"));
        m_folder.Write(_T("Wren.acs"), std::string("character"));
        m_folder.Write(_T("notes.txt"), std::string("not a character"));
    }
    std::vector<std::string> Log()
    {
        std::vector<std::string> lines;
        Bytes bytes = m_folder.Read(_T("agent.log"));
        std::string text(bytes.begin(), bytes.end()), line;
        for (char ch : text)
        {
            if (ch == '\r')
                continue;
            if (ch == '\n')
            {
                lines.push_back(line);
                line.clear();
            }
            else
                line += ch;
        }
        ::DeleteFile(m_strLog);
        return lines;
    }
    void Open(CPropertyPage& page, CPropertySheet& sheet)
    {
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        ASSERT_TRUE(page.GetSafeHwnd() != NULL);
    }
    static void Click(CWnd& page, int nIDC, BOOL bToggle = FALSE)
    {
        CWnd* pButton = page.GetDlgItem(nIDC);
        if (bToggle)
            pButton->SendMessage(BM_SETCHECK,
                                 pButton->SendMessage(BM_GETCHECK, 0, 0) ? BST_UNCHECKED : BST_CHECKED, 0);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nIDC, BN_CLICKED), (LPARAM)pButton->GetSafeHwnd());
    }
    static void Select(CWnd& page, LPCTSTR pszFile)
    {
        ((CListBox*)page.GetDlgItem(IDC_AGENT_LIST))->SelectString(-1, pszFile);
    }
};

const std::string kPreviewVoice = "\\Vol=65535\\\\Pit=100\\\\Spd=160\\";
typedef std::vector<std::string> Lines;
} // namespace

TEST_F(SpeechPages, AgentPageListsAndPreviewsCharacterFiles)
{
    ASSERT_EQ(0, m_pCharacter->Load(_T("Character1"), m_folder.File(_T("Wren.acs"))));
    Log();
    CAgentOptions page;
    page.m_bEnableAgent = TRUE;
    page.m_strAgentPath = m_folder.Path();
    page.m_strAgentFile = _T("Wren.acs");
    page.m_strPreviewText = _T("Hello 100%s");
    page.SetCharacter(m_pCharacter.get(), _T("Character1"));
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet);

    CListBox* pList = (CListBox*)page.GetDlgItem(IDC_AGENT_LIST);
    ASSERT_EQ(2, pList->GetCount());
    CString strSelected;
    pList->GetText(pList->GetCurSel(), strSelected);
    EXPECT_STREQ("Wren.acs", strSelected);

    // A new preview takes its own voice at full volume, greets and says the text.
    Select(page, _T("Robin.acs"));
    Click(page, IDC_AGENT_PREVIEW);
    Lines log = Log();
    ASSERT_EQ(7u, log.size());
    EXPECT_EQ("load Preview " + std::string((LPCTSTR)m_folder.File(_T("Robin.acs"))) + " ok", log[0]);
    EXPECT_EQ((Lines{"show Preview", "play Preview Greet", "play Preview RestPose",
                     "speak Preview " + kPreviewVoice + "Hello 100%s"}),
              Lines(log.begin() + 3, log.end()));
    EXPECT_STREQ("Preview", page.GetPreviewId());

    // A check box makes the preview say what it now does.
    Click(page, IDC_HIDE_POST_SPEECH, TRUE);
    EXPECT_EQ((Lines{"play Preview GetAttention",
                     "speak Preview " + kPreviewVoice + "After speaking, I will stay on screen!",
                     "play Preview GetAttentionReturn"}),
              Log());

    // The clock's own character serves as its preview, with the page's voice.
    Select(page, _T("Wren.acs"));
    Click(page, IDC_AGENT_PREVIEW);
    log = Log();
    EXPECT_EQ("unload Preview", log.at(0));
    EXPECT_STREQ("Character1", page.GetPreviewId());
    EXPECT_EQ("speak Character1 " + kPreviewVoice + "Hello 100%s", log.back());

    // A file that does not load ends the preview: Speak then says nothing.
    m_folder.Write(_T("Gone.acs"), std::string("x"));
    pList->AddString(_T("Gone.acs"));
    ::DeleteFile(m_folder.File(_T("Gone.acs")));
    Select(page, _T("Gone.acs"));
    Click(page, IDC_AGENT_PREVIEW);
    Click(page, IDC_AGENT_SPEAK);
    log = Log();
    ASSERT_EQ(1u, log.size());
    EXPECT_NE(std::string::npos, log[0].find("failed"));
    EXPECT_STREQ("", page.GetPreviewId());

    // Switching the Agent off disables the page and unloads a preview; the current one stays.
    Select(page, _T("Robin.acs"));
    Click(page, IDC_AGENT_PREVIEW);
    Log();
    Click(page, IDC_ENABLE_AGENT, TRUE);
    EXPECT_EQ((Lines{"unload Preview"}), Log());
    EXPECT_FALSE(page.GetDlgItem(IDC_AGENT_LIST)->IsWindowEnabled());
    sheet.DestroyWindow();
    EXPECT_TRUE(Log().empty());
}

TEST_F(SpeechPages, AgentPageWithoutTheAgentOnlySaysSo)
{
    CAgentOptions page;
    page.m_bAgentMissing = TRUE;
    page.m_strAgentPath = m_folder.Path();
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet);
    // The sheet itself is not shown: the controls' own visible style tells.
    EXPECT_TRUE(page.GetDlgItem(IDC_AGENT_MISSING)->GetStyle() & WS_VISIBLE);
    const int nHidden[] = {IDC_ENABLE_AGENT, IDC_AGENT_LIST, IDC_AGENT_PREVIEW, IDC_AGENT_PITCH,
                           IDC_BALLOON_TEXT};
    for (int nID : nHidden)
        EXPECT_FALSE(page.GetDlgItem(nID)->GetStyle() & WS_VISIBLE) << nID;
    Click(page, IDC_AGENT_PREVIEW);
    EXPECT_TRUE(Log().empty());
    sheet.DestroyWindow();
}

TEST_F(SpeechPages, SpokenAnnouncementsPageKeepsItsValues)
{
    CSpeakingClockOptions page;
    page.m_nTimeFreq = 3;
    page.m_nQuietType = 2;
    page.m_dtQuietStart.SetDateTime(1899, 12, 30, 22, 15, 0);
    page.m_dtQuietEnd.SetDateTime(1899, 12, 30, 6, 45, 0);
    page.m_strPreTime = _T("It is |Now %s ");
    page.m_bAmPm = TRUE;
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet);
    EXPECT_EQ(BST_CHECKED, page.IsDlgButtonChecked(IDC_FREQ_10MIN));
    EXPECT_EQ(BST_CHECKED, page.IsDlgButtonChecked(IDC_QUIET_SILENT));

    page.CheckRadioButton(IDC_FREQ_HOUR, IDC_FREQ_1MIN, IDC_FREQ_1MIN);
    page.SetDlgItemText(IDC_POST_TIME, _T("Bye"));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(5, page.m_nTimeFreq);
    EXPECT_EQ(2, page.m_nQuietType);
    EXPECT_STREQ("It is |Now %s ", page.m_strPreTime);
    EXPECT_STREQ("Bye", page.m_strPostTime);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 22, 15, 0), page.m_dtQuietStart);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 6, 45, 0), page.m_dtQuietEnd);
    EXPECT_TRUE(page.m_bAmPm);
    sheet.DestroyWindow();
}
