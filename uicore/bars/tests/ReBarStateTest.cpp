// Re-bar state through the workspace with real re-bars: the stored records, stable round trips,
// values of the wrong shape, re-bars whose bands or keys changed, and seeded mutations.
#include <gtest/gtest.h>

#include <afxext.h>
#include <algorithm>
#include <memory>
#include <tuple>
#include <random>
#include <vector>

#include "ORXRegistry.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
const UINT kReBarId = 34150, kOtherReBarId = 34151, kFirstChild = 34160;
const LPCTSTR kKey = _T("Velmora\\ORXRebar-34150");
// Offsets in a stored 80-byte band record.
const size_t kCbSize = 0, kMask = 4, kStyle = 8, kText = 20, kChild = 32, kMinChild = 36, kMinHeight = 40,
             kCx = 44, kMaxHeight = 60, kIdeal = 68, kHeader = 76;

// A band as the tests compare it: its window's id, width, minimum width and style.
typedef std::tuple<UINT, UINT, UINT, DWORD> Band;

Bytes GetBinary(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    DWORD dwType = 0;
    Bytes data;
    EXPECT_TRUE(App().ReadProfileValue(pszSection, pszEntry, dwType, data)) << pszEntry;
    return data;
}

DWORD At(const Bytes& data, size_t nOffset)
{
    DWORD dw = 0;
    memcpy(&dw, &data[nOffset], 4);
    return dw;
}

void SetAt(Bytes& data, size_t nOffset, DWORD dw)
{
    memcpy(&data[nOffset], &dw, 4);
}

// A re-bar of plain windows; the last band is of fixed size.
class TestReBar
{
public:
    BOOL Create(CFrameWnd* pFrame, UINT nID)
    {
        return m_bar.Create(pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID) && AddBand(0) &&
               AddBand(0) && AddBand(RBBS_FIXEDSIZE);
    }
    BOOL AddBand(DWORD dwStyle)
    {
        m_children.emplace_back(new CWnd);
        int n = (int)m_children.size();
        return m_children.back()->Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE,
                                         CRect(0, 0, 50 + 10 * n, 20), &m_bar, kFirstChild + n) &&
               m_bar.AddBar(m_children.back().get(), NULL, NULL, RBBS_GRIPPERALWAYS | dwStyle);
    }
    std::vector<Band> Bands()
    {
        std::vector<Band> bands;
        for (UINT i = 0; i < Ctrl().GetBandCount(); i++)
        {
            REBARBANDINFO rbbi = {REBARBANDINFOA_V6_SIZE,
                                  RBBIM_CHILD | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_STYLE};
            EXPECT_TRUE(Ctrl().GetBandInfo(i, &rbbi));
            bands.push_back(
                Band((UINT)::GetDlgCtrlID(rbbi.hwndChild), rbbi.cx, rbbi.cxMinChild, rbbi.fStyle));
        }
        return bands;
    }
    // The user's changes: the first band goes last, every width changes.
    void Rearrange()
    {
        ASSERT_TRUE(Ctrl().MoveBand(0, Ctrl().GetBandCount() - 1));
        for (UINT i = 0; i < Ctrl().GetBandCount(); i++)
        {
            REBARBANDINFO rbbi = {REBARBANDINFOA_V6_SIZE, RBBIM_SIZE};
            rbbi.cx = 70 + 15 * i;
            ASSERT_TRUE(Ctrl().SetBandInfo(i, &rbbi));
        }
    }
    CReBarCtrl& Ctrl() { return m_bar.GetReBarCtrl(); }
    BOOL AllInPlace() const
    {
        for (auto& pChild : m_children)
            if (::GetParent(pChild->m_hWnd) != m_bar.m_hWnd)
                return FALSE;
        return TRUE;
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
        ASSERT_TRUE(m_reBar.Create(m_pFrame, kReBarId));
        m_reBar.Rearrange();
        m_arranged = m_reBar.Bands();
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
    std::vector<Band> m_arranged;
};
} // namespace

TEST_F(ReBarStateTest, PlainRecordsRestoreOrderAndSizesAndRoundTripsDoNotCreep)
{
    ASSERT_TRUE(Save());
    const Bytes records = GetBinary(kKey, _T("RBI"));
    const Bytes ids = GetBinary(kKey, _T("IDs"));
    ASSERT_EQ(3u * 80, records.size());
    ASSERT_EQ(3u * 4, ids.size());
    for (size_t i = 0; i < 3; i++)
    {
        const size_t r = 80 * i;
        UINT nID, cx, cxMinChild;
        DWORD fStyle;
        std::tie(nID, cx, cxMinChild, fStyle) = m_arranged[i];
        EXPECT_EQ(nID, At(ids, 4 * i));
        EXPECT_EQ(80u, At(records, r + kCbSize));
        EXPECT_EQ(0xB61u, At(records, r + kMask));
        EXPECT_EQ(0u, At(records, r + kChild));
        EXPECT_EQ(cx, At(records, r + kCx));
        EXPECT_EQ(cxMinChild + ((fStyle & RBBS_FIXEDSIZE) ? 4 : 0), At(records, r + kMinChild))
            << "band " << i;
    }
    for (int i = 0; i < 4; i++)
    {
        ASSERT_TRUE(m_reBar.Ctrl().MoveBand(2, 0));
        Load();
        ASSERT_EQ(m_arranged, m_reBar.Bands()) << "round trip " << i;
        ASSERT_TRUE(Save());
        ASSERT_EQ(records, GetBinary(kKey, _T("RBI"))) << "round trip " << i;
    }
}

TEST_F(ReBarStateTest, ValuesOfTheWrongShapeChangeNothingAndOnlyStoredFieldsApply)
{
    ASSERT_TRUE(Save());
    const Bytes records = GetBinary(kKey, _T("RBI"));
    const Bytes ids = GetBinary(kKey, _T("IDs"));
    Bytes fourRecords = records, fourIds = ids, longRecords = records;
    longRecords.push_back(0);
    fourRecords.insert(fourRecords.end(), records.begin(), records.begin() + 80);
    fourIds.insert(fourIds.end(), ids.begin(), ids.begin() + 4);
    Bytes naming = records; // every record names a text, a foreign window and the child flag
    for (size_t r = 0; r < naming.size(); r += 80)
    {
        SetAt(naming, r + kMask, 0xB71);
        SetAt(naming, r + kText, 0x12345678);
        SetAt(naming, r + kChild, (DWORD)(DWORD_PTR)m_pFrame->m_hWnd);
    }
    // The last record's field changed: one implausible record refuses the whole state.
    auto lastWith = [&](size_t nOffset, DWORD dw) {
        Bytes changed = records;
        SetAt(changed, 160 + nOffset, dw);
        return changed;
    };
    std::mt19937 rng(37);
    Bytes random(records.size()); // bytes of the right length, as a damaged value may hold
    for (BYTE& b : random)
        b = (BYTE)rng();
    const int cxScreen = ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
              cyScreen = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const DWORD dwBeyond = (DWORD)std::max(cxScreen, cyScreen) + 1;
    struct
    {
        const char* pszWhat;
        Bytes records;
        DWORD dwType;
        Bytes ids;
        bool bApplies;
    } cases[] = {
        {"one record byte short", Bytes(records.begin(), records.end() - 1), REG_BINARY, ids, false},
        {"one record byte over", longRecords, REG_BINARY, ids, false},
        {"four records for three ids", fourRecords, REG_BINARY, ids, false},
        {"four of each for three bands", fourRecords, REG_BINARY, fourIds, false},
        {"four ids for three records", records, REG_BINARY, fourIds, false},
        {"ids one byte short", records, REG_BINARY, Bytes(ids.begin(), ids.end() - 1), false},
        {"records as a string", records, REG_SZ, ids, false},
        {"records naming a text and a window", naming, REG_BINARY, ids, true},
        {"records that claim more", lastWith(kCbSize, 0xFFFF), REG_BINARY, ids, false},
        {"a record of 84 bytes by its word", lastWith(kCbSize, 84), REG_BINARY, ids, false},
        {"a record of no size", lastWith(kCbSize, 0), REG_BINARY, ids, false},
        {"an unknown mask bit", lastWith(kMask, 0xB61 | RBBIM_LPARAM), REG_BINARY, ids, false},
        {"an unknown style bit", lastWith(kStyle, RBBS_GRIPPERALWAYS | 0x1000), REG_BINARY, ids, false},
        {"a width of 32767", lastWith(kCx, 32767), REG_BINARY, ids, false},
        {"a width past the screen", lastWith(kCx, dwBeyond), REG_BINARY, ids, false},
        {"a negative width", lastWith(kCx, (DWORD)-1), REG_BINARY, ids, false},
        {"a minimum width past the screen", lastWith(kMinChild, dwBeyond + 4), REG_BINARY, ids, false},
        {"a minimum height of 32767", lastWith(kMinHeight, 32767), REG_BINARY, ids, false},
        {"a maximum height past the screen", lastWith(kMaxHeight, dwBeyond), REG_BINARY, ids, false},
        {"an ideal width past the screen", lastWith(kIdeal, dwBeyond), REG_BINARY, ids, false},
        {"a header past the screen", lastWith(kHeader, dwBeyond), REG_BINARY, ids, false},
        {"random bytes of the right length", random, REG_BINARY, ids, false},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(m_reBar.Ctrl().MoveBand(2, 0));
        const std::vector<Band> moved = m_reBar.Bands();
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("RBI"), c.dwType, c.records));
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("IDs"), REG_BINARY, c.ids));
        Load();
        EXPECT_EQ(c.bApplies ? m_arranged : moved, m_reBar.Bands()) << c.pszWhat;
        EXPECT_TRUE(m_reBar.AllInPlace()) << c.pszWhat;
        EXPECT_EQ(NULL, ::GetParent(m_pFrame->m_hWnd)) << c.pszWhat;
        // What is saved next is the layout the re-bar kept, never the refused sizes.
        ASSERT_TRUE(Save());
        const Bytes saved = GetBinary(kKey, _T("RBI"));
        for (size_t r = 0; r < saved.size(); r += 80)
        {
            EXPECT_EQ(80u, At(saved, r + kCbSize)) << c.pszWhat;
            EXPECT_LT(At(saved, r + kCx), 1000u) << c.pszWhat;
            EXPECT_LT(At(saved, r + kMinHeight), 1000u) << c.pszWhat;
        }
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("RBI"), REG_BINARY, records));
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("IDs"), REG_BINARY, ids));
        Load();
        ASSERT_EQ(m_arranged, m_reBar.Bands()) << c.pszWhat;
    }
}

TEST_F(ReBarStateTest, ChangedBandsAFailingKeyAndAFrameWithoutReBars)
{
    // A second re-bar still loads when the first one's key is gone; a band more keeps the layout.
    TestReBar other;
    ASSERT_TRUE(other.Create(m_pFrame, kOtherReBarId));
    other.Rearrange();
    const std::vector<Band> otherArranged = other.Bands();
    ASSERT_TRUE(Save());
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteKey(HKEY_CURRENT_USER, App().ProfileKey(kKey)));
    ASSERT_TRUE(other.Ctrl().MoveBand(2, 0));
    ASSERT_TRUE(m_reBar.Ctrl().MoveBand(2, 0));
    const std::vector<Band> moved = m_reBar.Bands();
    Load();
    EXPECT_EQ(moved, m_reBar.Bands());
    EXPECT_EQ(otherArranged, other.Bands());

    ASSERT_TRUE(other.Ctrl().MoveBand(2, 0));
    ASSERT_TRUE(other.AddBand(0));
    const std::vector<Band> gained = other.Bands();
    Load();
    EXPECT_EQ(gained, other.Bands());

    // Without re-bars (an empty one counts as none) no re-bar key is written.
    App().ResetProfile();
    m_reBar.m_bar.DestroyWindow();
    other.m_bar.DestroyWindow();
    CReBar empty;
    ASSERT_TRUE(empty.Create(m_pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, kOtherReBarId));
    ASSERT_TRUE(Save());
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    CStringArray subKeys;
    ASSERT_TRUE(reg.Open(m_pWorkspace->GetRegistrySectionPath()));
    reg.ReadSubKeys(subKeys);
    EXPECT_GT(subKeys.GetSize(), 0);
    for (int i = 0; i < subKeys.GetSize(); i++)
        EXPECT_NE(0, strncmp(subKeys[i], "ORXRebar", 8)) << (LPCTSTR)subKeys[i];
}

// Seeded mutations of both values: loading never crashes, keeps three bands and every window in
// its band.
TEST_F(ReBarStateTest, MutatedValuesNeverCrashNorMoveWindowsOut)
{
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
        case 1: // a whole field or id replaced
            SetAt(data, 4 * (rng() % (data.size() / 4)), (DWORD)rng());
            break;
        default:
            data.resize(rng() % (data.size() + 1));
            break;
        }
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("RBI"), REG_BINARY, records));
        EXPECT_TRUE(App().WriteProfileValue(kKey, _T("IDs"), REG_BINARY, ids));
        Load();
        ASSERT_EQ(3u, m_reBar.Bands().size()) << "round " << iRound;
        ASSERT_TRUE(m_reBar.AllInPlace()) << "round " << iRound;
    }
}

// The stored records are the 32-bit control's band records in every build: pointer and handle
// fields are 32-bit words, left 0. A fixed image of three records gives its order and widths back.
TEST_F(ReBarStateTest, RecordsAreOneFixed80ByteFormInEveryBuild)
{
    ASSERT_TRUE(Save());
    // Per band: size, mask, style, colours, text, text length, image, window, minimum width and
    // height, width, bitmap, id, child heights and step, ideal width, lParam, header width.
    const char* kBand =
        "50 00 00 00 | 61 0B 00 00 | %02X 00 00 00 | 00 00 00 00 00 00 00 00 | 00 00 00 00 |"
        "00 00 00 00 | 00 00 00 00 | 00 00 00 00 | %02X 00 00 00 | 14 00 00 00 | %02X 00 00 00 |"
        "00 00 00 00 | %02X 85 00 00 | 00 00 00 00 00 00 00 00 00 00 00 00 | 00 00 00 00 |"
        "00 00 00 00 | 09 00 00 00";
    auto band = [&](int nStyle, int nMinWidth, int nWidth, int nChild) {
        CString strBand;
        strBand.Format(kBand, nStyle, nMinWidth, nWidth, nChild);
        return Image((LPCTSTR)strBand);
    };
    // Arranged: the second window (70 wide), the fixed-size third (80, stored as 84; 85 wide), the
    // first (60; 100 wide).
    EXPECT_EQ(Hex(band(0x80, 0x46, 0x46, 0x72) + band(0x82, 0x54, 0x55, 0x73) + band(0x80, 0x3C, 0x64, 0x71)),
              Hex(GetBinary(kKey, _T("RBI"))));
    EXPECT_EQ(Hex(Image("72 85 00 00 | 73 85 00 00 | 71 85 00 00")), Hex(GetBinary(kKey, _T("IDs"))));

    // The resource's order back, each band with a width of its own.
    EXPECT_TRUE(App().WriteProfileValue(kKey, _T("RBI"), REG_BINARY,
                                        band(0x80, 0x3C, 0x6E, 0x71) + band(0x80, 0x46, 0x78, 0x72) +
                                            band(0x82, 0x54, 0x82, 0x73)));
    EXPECT_TRUE(App().WriteProfileValue(kKey, _T("IDs"), REG_BINARY,
                                        Image("71 85 00 00 | 72 85 00 00 | 73 85 00 00")));
    Load();
    const std::vector<Band> expected = {Band(kFirstChild + 1, 110, 60, RBBS_GRIPPERALWAYS),
                                        Band(kFirstChild + 2, 120, 70, RBBS_GRIPPERALWAYS),
                                        Band(kFirstChild + 3, 130, 80, RBBS_GRIPPERALWAYS | RBBS_FIXEDSIZE)};
    EXPECT_EQ(expected, m_reBar.Bands());
}
