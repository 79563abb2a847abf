// Re-bar state: the bands of a real re-bar saved and restored through the workspace, the stored
// records, values of the wrong size or shape, re-bars whose bands or keys changed, and mutations.
#include <gtest/gtest.h>

#include <afxext.h>
#include <memory>
#include <random>
#include <vector>

#include "ORXReBarState.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
CTestWinApp& App()
{
    return *static_cast<CTestWinApp*>(AfxGetApp());
}

const UINT kReBarId = 34150;
const UINT kOtherReBarId = 34151;
const UINT kFirstChild = 34160;
const LPCTSTR kKey = _T("Velmora\\ORXRebar-34150");
const LPCTSTR kOtherKey = _T("Velmora\\ORXRebar-34151");

struct Band
{
    UINT nID;
    UINT cx;
    UINT cxMinChild;
    DWORD fStyle;
    bool operator==(const Band& o) const
    {
        return nID == o.nID && cx == o.cx && cxMinChild == o.cxMinChild && fStyle == o.fStyle;
    }
};
std::ostream& operator<<(std::ostream& os, const Band& b)
{
    return os << "{" << b.nID << " cx " << b.cx << " min " << b.cxMinChild << " style " << b.fStyle << "}";
}

void PutValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD dwType, const Bytes& data)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyEx(HKEY_CURRENT_USER, App().ProfileKey(pszSection), 0, NULL, 0,
                                              KEY_ALL_ACCESS, NULL, &hKey, NULL));
    ::RegSetValueEx(hKey, pszEntry, 0, dwType, data.empty() ? NULL : data.data(), (DWORD)data.size());
    ::RegCloseKey(hKey);
}

Bytes GetBinary(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    DWORD dwType = 0;
    Bytes data;
    EXPECT_TRUE(App().ReadProfileValue(pszSection, pszEntry, dwType, data)) << pszSection << " " << pszEntry;
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    return data;
}

DWORD At(const Bytes& data, size_t nOffset)
{
    DWORD dw = 0;
    if (nOffset + 4 <= data.size())
        memcpy(&dw, &data[nOffset], 4);
    return dw;
}

void SetAt(Bytes& data, size_t nOffset, DWORD dw)
{
    memcpy(&data[nOffset], &dw, 4);
}

// Offsets in a stored 80-byte band record.
const size_t kCbSize = 0, kMask = 4, kStyle = 8, kText = 20, kChild = 32, kMinChild = 36, kCx = 44;

// A re-bar of plain windows; the last band is of fixed size.
class TestReBar
{
public:
    BOOL Create(CFrameWnd* pFrame, UINT nID, int nBands)
    {
        if (!m_bar.Create(pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID))
            return FALSE;
        for (int i = 0; i < nBands; i++)
            if (!AddBand(i == nBands - 1 ? RBBS_FIXEDSIZE : 0))
                return FALSE;
        return TRUE;
    }
    BOOL AddBand(DWORD dwStyle)
    {
        UINT nID = kFirstChild + (UINT)m_children.size();
        m_children.emplace_back(new CWnd);
        return m_children.back()->Create(_T("STATIC"), _T("band"), WS_CHILD | WS_VISIBLE,
                                         CRect(0, 0, 50 + 10 * (int)m_children.size(), 20), &m_bar, nID) &&
               m_bar.AddBar(m_children.back().get(), NULL, NULL, RBBS_GRIPPERALWAYS | dwStyle);
    }
    std::vector<Band> Bands()
    {
        std::vector<Band> bands;
        CReBarCtrl& ctrl = m_bar.GetReBarCtrl();
        for (UINT i = 0; i < ctrl.GetBandCount(); i++)
        {
            REBARBANDINFO rbbi;
            memset(&rbbi, 0, sizeof(rbbi));
            rbbi.cbSize = REBARBANDINFOA_V6_SIZE;
            rbbi.fMask = RBBIM_CHILD | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_STYLE;
            EXPECT_TRUE(ctrl.GetBandInfo(i, &rbbi));
            bands.push_back({rbbi.hwndChild != NULL ? (UINT)::GetDlgCtrlID(rbbi.hwndChild) : 0, rbbi.cx,
                             rbbi.cxMinChild, rbbi.fStyle});
        }
        return bands;
    }
    void SetWidth(UINT nBand, UINT cx)
    {
        REBARBANDINFO rbbi;
        memset(&rbbi, 0, sizeof(rbbi));
        rbbi.cbSize = REBARBANDINFOA_V6_SIZE;
        rbbi.fMask = RBBIM_SIZE;
        rbbi.cx = cx;
        ASSERT_TRUE(m_bar.GetReBarCtrl().SetBandInfo(nBand, &rbbi));
    }
    // The user's changes: the first band goes last, the widths change.
    void Rearrange()
    {
        CReBarCtrl& ctrl = m_bar.GetReBarCtrl();
        ASSERT_TRUE(ctrl.MoveBand(0, ctrl.GetBandCount() - 1));
        for (UINT i = 0; i < ctrl.GetBandCount(); i++)
            SetWidth(i, 70 + 15 * i);
    }

    CReBar m_bar;
    std::vector<std::unique_ptr<CWnd>> m_children;
};

class ReBarStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Re-bar test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        ASSERT_TRUE(m_reBar.Create(m_pFrame, kReBarId, 3));
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        delete m_pWorkspace;
    }
    BOOL Save() { return m_pWorkspace->SaveState(NULL, m_pFrame); }
    void Load() { m_pWorkspace->LoadState(NULL, m_pFrame); }

    CORXWorkspace* m_pWorkspace = NULL;
    CFrameWnd* m_pFrame = NULL;
    TestReBar m_reBar;
};
} // namespace

TEST_F(ReBarStateTest, SaveStoresPlainRecordsAndLoadBringsOrderAndSizesBack)
{
    m_reBar.Rearrange();
    const std::vector<Band> arranged = m_reBar.Bands();
    ASSERT_EQ(kFirstChild + 1, arranged[0].nID);
    ASSERT_TRUE(Save());

    Bytes records = GetBinary(kKey, _T("RBI"));
    Bytes ids = GetBinary(kKey, _T("IDs"));
    ASSERT_EQ(3u * 80, records.size());
    ASSERT_EQ(3u * 4, ids.size());
    for (size_t i = 0; i < 3; i++)
    {
        const size_t r = 80 * i;
        EXPECT_EQ(arranged[i].nID, At(ids, 4 * i));
        EXPECT_EQ(80u, At(records, r + kCbSize));
        EXPECT_EQ(0xB61u, At(records, r + kMask)) << "the child window is not stored";
        EXPECT_EQ(0u, At(records, r + kChild));
        EXPECT_EQ(arranged[i].cx, At(records, r + kCx));
        // A fixed-size band is stored 4 pixels wider than it is.
        UINT nGrowth = (arranged[i].fStyle & RBBS_FIXEDSIZE) ? 4 : 0;
        EXPECT_EQ(arranged[i].cxMinChild + nGrowth, At(records, r + kMinChild)) << "band " << i;
    }

    // Back to the first order and other widths; loading puts the saved arrangement back.
    CReBarCtrl& ctrl = m_reBar.m_bar.GetReBarCtrl();
    ASSERT_TRUE(ctrl.MoveBand(2, 0));
    m_reBar.SetWidth(1, 200);
    ASSERT_NE(arranged, m_reBar.Bands());
    Load();
    EXPECT_EQ(arranged, m_reBar.Bands());
}

TEST_F(ReBarStateTest, MinimumWidthsStayPutOverRepeatedRoundTrips)
{
    m_reBar.Rearrange();
    const std::vector<Band> arranged = m_reBar.Bands();
    ASSERT_TRUE(Save());
    const Bytes first = GetBinary(kKey, _T("RBI"));
    for (int i = 0; i < 5; i++)
    {
        Load();
        ASSERT_EQ(arranged, m_reBar.Bands()) << "round trip " << i;
        ASSERT_TRUE(Save());
        ASSERT_EQ(first, GetBinary(kKey, _T("RBI"))) << "round trip " << i;
    }
}

TEST_F(ReBarStateTest, ValuesOfTheWrongSizeOrTypeChangeNothing)
{
    m_reBar.Rearrange();
    ASSERT_TRUE(Save());
    const Bytes records = GetBinary(kKey, _T("RBI"));
    const Bytes ids = GetBinary(kKey, _T("IDs"));
    Bytes shortRecords(records.begin(), records.end() - 1);
    Bytes longRecords = records;
    longRecords.push_back(0);
    Bytes fourRecords = records;
    fourRecords.insert(fourRecords.end(), records.begin(), records.begin() + 80);
    Bytes fourIds = ids;
    fourIds.insert(fourIds.end(), ids.begin(), ids.begin() + 4);
    Bytes shortIds(ids.begin(), ids.end() - 1);
    struct
    {
        const char* pszWhat;
        Bytes records;
        DWORD dwRecordType;
        Bytes ids;
    } cases[] = {
        {"one record byte short", shortRecords, REG_BINARY, ids},
        {"one record byte over", longRecords, REG_BINARY, ids},
        {"four records for three ids", fourRecords, REG_BINARY, ids},
        {"four records and four ids for three bands", fourRecords, REG_BINARY, fourIds},
        {"ids one byte short", records, REG_BINARY, shortIds},
        {"four ids for three records", records, REG_BINARY, fourIds},
        {"no records", Bytes(), REG_BINARY, Bytes()},
        {"records as a string", records, REG_SZ, ids},
    };

    ASSERT_TRUE(m_reBar.m_bar.GetReBarCtrl().MoveBand(2, 0));
    const std::vector<Band> current = m_reBar.Bands();
    for (const auto& c : cases)
    {
        PutValue(kKey, _T("RBI"), c.dwRecordType, c.records);
        PutValue(kKey, _T("IDs"), REG_BINARY, c.ids);
        Load();
        EXPECT_EQ(current, m_reBar.Bands()) << c.pszWhat;
    }
}

TEST_F(ReBarStateTest, OnlyTheStoredFieldsAreAppliedWhateverTheRecordClaims)
{
    const std::vector<Band> before = m_reBar.Bands();
    ASSERT_TRUE(Save());
    Bytes records = GetBinary(kKey, _T("RBI"));
    for (size_t r = 0; r < records.size(); r += 80)
    {
        SetAt(records, r + kCbSize, 0xFFFF);
        SetAt(records, r + kMask, 0xFFFFFFFF);
        SetAt(records, r + kText, 0x12345678); // would be read as text
        SetAt(records, r + kChild, (DWORD)(DWORD_PTR)m_pFrame->m_hWnd);
    }
    PutValue(kKey, _T("RBI"), REG_BINARY, records);
    Load();
    EXPECT_EQ(before, m_reBar.Bands());
    // Every window stays in its band and the frame stays a top-level window.
    EXPECT_EQ(NULL, ::GetParent(m_pFrame->m_hWnd));
    for (auto& pChild : m_reBar.m_children)
        EXPECT_EQ(m_reBar.m_bar.m_hWnd, ::GetParent(pChild->m_hWnd));
}

TEST_F(ReBarStateTest, AReBarThatGainedABandKeepsItsLayout)
{
    m_reBar.Rearrange();
    ASSERT_TRUE(Save());
    ASSERT_TRUE(m_reBar.m_bar.GetReBarCtrl().MoveBand(2, 0));
    ASSERT_TRUE(m_reBar.AddBand(0));
    const std::vector<Band> current = m_reBar.Bands();
    ASSERT_EQ(4u, current.size());
    Load();
    EXPECT_EQ(current, m_reBar.Bands());
}

TEST_F(ReBarStateTest, AFrameWithoutReBarsWritesNoReBarKey)
{
    m_reBar.m_bar.DestroyWindow();
    CReBar empty;
    ASSERT_TRUE(empty.Create(m_pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, kOtherReBarId));
    ASSERT_TRUE(Save());
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyEx(HKEY_CURRENT_USER, App().ProfileKey(_T("Velmora")), 0, KEY_READ, &hKey));
    TCHAR szName[256];
    for (DWORD i = 0;; i++)
    {
        DWORD cch = 256;
        if (::RegEnumKeyEx(hKey, i, szName, &cch, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        EXPECT_NE(0, strncmp(szName, "ORXRebar", 8)) << szName;
    }
    ::RegCloseKey(hKey);
    EXPECT_TRUE(CORXReBarState::SaveState(_T("Software\\nowhere\\"), NULL));
    EXPECT_FALSE(CORXReBarState::LoadState(_T("Software\\nowhere\\"), NULL));
}

TEST_F(ReBarStateTest, AReBarWhoseKeyDoesNotOpenIsSkippedAndTheOthersLoad)
{
    // The first re-bar below the frame has its key taken away; the second still loads.
    TestReBar other;
    ASSERT_TRUE(other.Create(m_pFrame, kOtherReBarId, 3));
    m_reBar.Rearrange();
    other.Rearrange();
    const std::vector<Band> arranged = other.Bands();
    ASSERT_TRUE(Save());
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteKey(HKEY_CURRENT_USER, App().ProfileKey(kKey)));
    ASSERT_TRUE(other.m_bar.GetReBarCtrl().MoveBand(2, 0));
    ASSERT_TRUE(m_reBar.m_bar.GetReBarCtrl().MoveBand(2, 0));
    const std::vector<Band> first = m_reBar.Bands();
    Load();
    EXPECT_EQ(first, m_reBar.Bands());
    EXPECT_EQ(arranged, other.Bands());
    GetBinary(kOtherKey, _T("IDs"));
}

// Seeded mutations of both values: loading never crashes, every window stays in its band, and the
// re-bar keeps its three bands.
TEST_F(ReBarStateTest, MutatedValuesNeverCrashNorMoveWindowsOut)
{
    m_reBar.Rearrange();
    ASSERT_TRUE(Save());
    const Bytes goodRecords = GetBinary(kKey, _T("RBI"));
    const Bytes goodIds = GetBinary(kKey, _T("IDs"));
    std::mt19937 rng(20261209);
    for (int iRound = 0; iRound < 200; iRound++)
    {
        Bytes records = goodRecords, ids = goodIds;
        Bytes& data = (rng() % 3 == 0) ? ids : records;
        switch (rng() % 3)
        {
        case 0:
            for (int n = 1 + rng() % 6; n > 0; n--)
                data[rng() % data.size()] ^= (BYTE)(1 + rng() % 255);
            break;
        case 1: // a whole field of a record or an id replaced
            SetAt(data, 4 * (rng() % (data.size() / 4)), (DWORD)rng());
            break;
        default:
            data.resize(rng() % (data.size() + 1));
            break;
        }
        PutValue(kKey, _T("RBI"), REG_BINARY, records);
        PutValue(kKey, _T("IDs"), REG_BINARY, ids);
        Load();
        std::vector<Band> bands = m_reBar.Bands();
        ASSERT_EQ(3u, bands.size()) << "round " << iRound;
        for (auto& pChild : m_reBar.m_children)
            ASSERT_EQ(m_reBar.m_bar.m_hWnd, ::GetParent(pChild->m_hWnd)) << "round " << iRound;
    }
}
