// wintarget: a plain Win32 window with one control of each kind that the end-to-end driver reads
// and drives. The harness's self-test runs it and checks every driver command against it; the
// window title carries what the window last heard from its controls, so the test can see that
// notifications arrived.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace
{

enum
{
    IDC_LIST = 101,
    IDC_COMBO = 102,
    IDC_EDIT = 103,
    IDC_BUTTON = 104,
    IDC_CHECK = 105,
    IDC_LISTVIEW = 106,
    IDC_PICKER = 107,
    IDM_HELLO = 201
};

const char* const kTitle = "Velmora driver target";

void Report(HWND wnd, const char* what, int value)
{
    char title[128];
    sprintf(title, "%s [%s %d]", kTitle, what, value);
    SetWindowTextA(wnd, title);
}

void CreateControls(HWND wnd)
{
    HINSTANCE inst = GetModuleHandleA(NULL);
    HWND list =
        CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, 10,
                        10, 150, 100, wnd, (HMENU)IDC_LIST, inst, NULL);
    const char* const zones[] = {"Berlin", "Tokyo", "Lima"};
    for (int i = 0; i < 3; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)zones[i]);

    HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                                 170, 10, 150, 120, wnd, (HMENU)IDC_COMBO, inst, NULL);
    const char* const weeks[] = {"First", "Second", "Last"};
    for (int i = 0; i < 3; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)weeks[i]);

    CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "initial", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 170, 40, 150,
                    22, wnd, (HMENU)IDC_EDIT, inst, NULL);
    CreateWindowExA(0, "Button", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 170, 70, 70, 24, wnd,
                    (HMENU)IDC_BUTTON, inst, NULL);
    CreateWindowExA(0, "Button", "Option", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 250, 70, 80, 24, wnd,
                    (HMENU)IDC_CHECK, inst, NULL);

    HWND lv = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 120,
                              310, 100, wnd, (HMENU)IDC_LISTVIEW, inst, NULL);
    const char* const heads[] = {"Name", "Offset"};
    for (int c = 0; c < 2; ++c)
    {
        LVCOLUMNA col;
        ZeroMemory(&col, sizeof col);
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 120;
        col.pszText = (LPSTR)heads[c];
        SendMessageA(lv, LVM_INSERTCOLUMNA, c, (LPARAM)&col);
    }
    const char* const rows[][2] = {{"Auckland", "+12:00"}, {"Reykjavik", "+00:00"}};
    for (int r = 0; r < 2; ++r)
    {
        LVITEMA item;
        ZeroMemory(&item, sizeof item);
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = (LPSTR)rows[r][0];
        SendMessageA(lv, LVM_INSERTITEMA, 0, (LPARAM)&item);
        item.iSubItem = 1;
        item.pszText = (LPSTR)rows[r][1];
        SendMessageA(lv, LVM_SETITEMTEXTA, r, (LPARAM)&item);
    }

    HWND picker = CreateWindowExA(0, DATETIMEPICK_CLASSA, "", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, 10,
                                  230, 150, 24, wnd, (HMENU)IDC_PICKER, inst, NULL);
    SYSTEMTIME st;
    ZeroMemory(&st, sizeof st);
    st.wYear = 2001;
    st.wMonth = 2;
    st.wDay = 3;
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);

    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IDM_HELLO, "&Hello");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
    SetMenu(wnd, bar);
}

LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg)
    {
    case WM_CREATE:
        CreateControls(wnd);
        return 0;
    case WM_COMMAND: {
        int id = LOWORD(wp), code = HIWORD(wp);
        if (id == IDC_LIST && code == LBN_SELCHANGE)
            Report(wnd, "list", (int)SendMessageA((HWND)lp, LB_GETCURSEL, 0, 0));
        else if (id == IDC_LIST && code == LBN_DBLCLK)
            Report(wnd, "dblclk", (int)SendMessageA((HWND)lp, LB_GETCURSEL, 0, 0));
        else if (id == IDC_COMBO && code == CBN_SELCHANGE)
            Report(wnd, "combo", (int)SendMessageA((HWND)lp, CB_GETCURSEL, 0, 0));
        else if (id == IDC_EDIT && code == EN_CHANGE)
            Report(wnd, "edit", GetWindowTextLengthA((HWND)lp));
        else if (id == IDC_BUTTON && code == BN_CLICKED)
            Report(wnd, "button", 1);
        else if (id == IDM_HELLO)
            Report(wnd, "menu", IDM_HELLO);
        return 0;
    }
    case WM_NOTIFY: {
        NMHDR* hdr = (NMHDR*)lp;
        if (hdr->idFrom == IDC_LISTVIEW && hdr->code == LVN_ITEMCHANGED)
        {
            NMLISTVIEW* nm = (NMLISTVIEW*)lp;
            if (nm->uNewState & LVIS_SELECTED)
                Report(wnd, "row", nm->iItem);
        }
        else if (hdr->idFrom == IDC_LISTVIEW && hdr->code == NM_DBLCLK)
        {
            Report(wnd, "open", ((NMITEMACTIVATE*)lp)->iItem);
        }
        else if (hdr->idFrom == IDC_PICKER && hdr->code == DTN_DATETIMECHANGE)
        {
            Report(wnd, "day", ((NMDATETIMECHANGE*)lp)->st.wDay);
        }
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

} // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = WndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VelmoraDriverTarget";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, wc.lpszClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 360, 320, NULL, NULL,
                               inst, NULL);
    ShowWindow(wnd, show);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
