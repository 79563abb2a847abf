// winctl: drives the windows of another program from outside, for end-to-end tests.
// Runs under the same Wine prefix (and display) as the program it drives; window handles are
// shared by every process of a Wine session, so handles printed here can be passed back later.
//
// Output is plain text for single values and JSON for lists and records. Exit code 0 means
// success, 1 a failure that is described on stderr, 2 a usage error.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{

// ---------------------------------------------------------------- output helpers

std::string JsonString(const std::string& s)
{
    // The programs under test are ANSI: bytes outside ASCII are taken as the ANSI code page and
    // written as \u escapes so the JSON stays valid whatever that page is.
    std::string out = "\"";
    for (size_t i = 0; i < s.size(); ++i)
    {
        unsigned char c = (unsigned char)s[i];
        char buf[16];
        if (c == '"' || c == '\\')
        {
            out += '\\';
            out += (char)c;
        }
        else if (c == '\n')
        {
            out += "\\n";
        }
        else if (c == '\r')
        {
            out += "\\r";
        }
        else if (c == '\t')
        {
            out += "\\t";
        }
        else if (c < 0x20)
        {
            sprintf(buf, "\\u%04x", c);
            out += buf;
        }
        else if (c < 0x80)
        {
            out += (char)c;
        }
        else
        {
            // Decode one (possibly double-byte) ANSI character.
            int len = (IsDBCSLeadByte(c) && i + 1 < s.size()) ? 2 : 1;
            WCHAR w[2] = {0, 0};
            int n = MultiByteToWideChar(CP_ACP, 0, s.c_str() + i, len, w, 2);
            for (int k = 0; k < n; ++k)
            {
                sprintf(buf, "\\u%04x", (unsigned)w[k]);
                out += buf;
            }
            i += len - 1;
        }
    }
    out += "\"";
    return out;
}

std::string HandleText(HWND h)
{
    char buf[32];
    sprintf(buf, "0x%lx", (unsigned long)(ULONG_PTR)h);
    return buf;
}

std::string RectJson(const RECT& r)
{
    char buf[128];
    sprintf(buf, "{\"left\": %ld, \"top\": %ld, \"right\": %ld, \"bottom\": %ld}", r.left, r.top, r.right,
            r.bottom);
    return buf;
}

int Fail(const char* fmt, const char* arg = "")
{
    fprintf(stderr, "winctl: ");
    fprintf(stderr, fmt, arg);
    fprintf(stderr, "\n");
    return 1;
}

// ---------------------------------------------------------------- window helpers

std::string WindowText(HWND h)
{
    // WM_GETTEXT is marshalled across processes by the system; a hung target gives "".
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &len))
        return std::string();
    std::vector<char> buf(len + 2, 0);
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(h, WM_GETTEXT, (WPARAM)buf.size(), (LPARAM)&buf[0], SMTO_ABORTIFHUNG, 3000,
                             &got))
        return std::string();
    return std::string(&buf[0]);
}

// The caption as the system keeps it: asks the window nothing, so a busy or hung program cannot
// stall a search over every top-level window.
std::string Caption(HWND h)
{
    char buf[1024] = "";
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

std::string ClassName(HWND h)
{
    char buf[256] = "";
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

std::string ProcessImage(DWORD pid)
{
    std::string name;
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (p)
    {
        char buf[MAX_PATH] = "";
        if (GetModuleFileNameExA(p, NULL, buf, MAX_PATH))
            name = buf;
        CloseHandle(p);
    }
    std::string::size_type slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Trailing white space is allowed: shells and scripts pass on lines with their ends.
bool AtEnd(const char* p)
{
    while (*p == ' ' || *p == '\r' || *p == '\n' || *p == '\t')
        ++p;
    return *p == 0;
}

bool ParseNumber(const char* s, long* out)
{
    char* end = NULL;
    long v = strtol(s, &end, 0);
    if (end == s || !AtEnd(end))
        return false;
    *out = v;
    return true;
}

HWND ParseHandle(const char* s)
{
    char* end = NULL;
    unsigned long v = strtoul(s, &end, 0);
    if (end == s || !AtEnd(end))
        return NULL;
    return (HWND)(ULONG_PTR)v;
}

struct ChildSearch
{
    int id;
    HWND found;
};

BOOL CALLBACK FindChildById(HWND h, LPARAM lp)
{
    ChildSearch* s = (ChildSearch*)lp;
    if (GetDlgCtrlID(h) == s->id)
    {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

// A control is named by its parent's handle and its control id; the id is looked up among the
// direct children first, then among all descendants (property pages nest their controls).
HWND ResolveControl(HWND parent, const char* idText)
{
    long id;
    if (!ParseNumber(idText, &id))
        return NULL;
    HWND h = GetDlgItem(parent, (int)id);
    if (h)
        return h;
    ChildSearch s = {(int)id, NULL};
    EnumChildWindows(parent, FindChildById, (LPARAM)&s);
    return s.found;
}

// ---------------------------------------------------------------- memory in the target process

// Messages of the common controls carry pointers that are not marshalled between processes, so
// their structures are built in memory allocated inside the target process.
class RemoteBuffer
{
public:
    RemoteBuffer(HWND h, size_t size) : m_process(NULL), m_address(NULL), m_size(size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_address = VirtualAllocEx(m_process, NULL, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    bool IsValid() const { return m_address != NULL; }
    char* Address(size_t offset = 0) const { return (char*)m_address + offset; }
    bool Write(const void* data, size_t size, size_t offset = 0)
    {
        SIZE_T done = 0;
        return offset + size <= m_size && WriteProcessMemory(m_process, Address(offset), data, size, &done) &&
               done == size;
    }
    bool Read(void* data, size_t size, size_t offset = 0)
    {
        SIZE_T done = 0;
        return offset + size <= m_size && ReadProcessMemory(m_process, Address(offset), data, size, &done) &&
               done == size;
    }

private:
    HANDLE m_process;
    void* m_address;
    size_t m_size;
};

// Sends a message from a thread started inside the window's own process, so that pointers in
// it (to memory of that process) stay valid: the system refuses to carry WM_NOTIFY and other
// pointer-bearing messages between processes. The thread runs a few bytes of code that call
// SendMessageA with the four words it is handed. Answers FALSE when the thread could not run.
BOOL SendInTargetProcess(HWND h, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                     PROCESS_VM_READ | PROCESS_VM_WRITE,
                                 FALSE, pid);
    if (!process)
        return FALSE;
    // SendMessageA in the target: the same offset from its USER32 as in this process.
    HMODULE localUser = GetModuleHandleA("user32.dll");
    FARPROC localSend = GetProcAddress(localUser, "SendMessageA");
    HMODULE modules[512];
    DWORD needed = 0;
    char* remoteUser = NULL;
    if (EnumProcessModules(process, modules, sizeof modules, &needed))
    {
        for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i)
        {
            char name[MAX_PATH] = "";
            GetModuleBaseNameA(process, modules[i], name, sizeof name);
            if (lstrcmpiA(name, "user32.dll") == 0)
            {
                remoteUser = (char*)modules[i];
                break;
            }
        }
    }
    BOOL ok = FALSE;
    if (remoteUser && localSend)
    {
#ifdef _WIN64
        // The thread's argument (rcx) is the block; SendMessageA takes its four words in rcx,
        // rdx, r8 and r9 above 32 bytes of shadow space, with the stack on a 16-byte boundary.
        static const unsigned char code[] = {
            0x48, 0x83, 0xEC, 0x28, // sub rsp, 40
            0x48, 0x89, 0xC8,       // mov rax, rcx          ; the block of words
            0x48, 0x8B, 0x08,       // mov rcx, [rax]        ; window
            0x48, 0x8B, 0x50, 0x08, // mov rdx, [rax+8]      ; message
            0x4C, 0x8B, 0x40, 0x10, // mov r8, [rax+16]      ; wParam
            0x4C, 0x8B, 0x48, 0x18, // mov r9, [rax+24]      ; lParam
            0xFF, 0x50, 0x20,       // call [rax+32]         ; SendMessageA
            0x48, 0x83, 0xC4, 0x28, // add rsp, 40
            0xC3,                   // ret                   ; its result is the thread's exit code
        };
#else
        static const unsigned char code[] = {
            0x8B, 0x44, 0x24, 0x04, // mov eax, [esp+4]      ; the block of words
            0xFF, 0x70, 0x0C,       // push [eax+12]         ; lParam
            0xFF, 0x70, 0x08,       // push [eax+8]          ; wParam
            0xFF, 0x70, 0x04,       // push [eax+4]          ; message
            0xFF, 0x30,             // push [eax]            ; window
            0xFF, 0x50, 0x10,       // call [eax+16]         ; SendMessageA
            0xC2, 0x04, 0x00,       // ret 4                 ; its result is the thread's exit code
        };
#endif
        // Words of the target's width: the driver is built for the architecture it drives.
        ULONG_PTR block[5] = {(ULONG_PTR)h, msg, (ULONG_PTR)wp, (ULONG_PTR)lp,
                              (ULONG_PTR)(remoteUser + ((char*)localSend - (char*)localUser))};
        char* mem =
            (char*)VirtualAllocEx(process, NULL, 256, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
        if (mem)
        {
            SIZE_T done = 0;
            if (WriteProcessMemory(process, mem, code, sizeof code, &done) &&
                WriteProcessMemory(process, mem + 64, block, sizeof block, &done))
            {
                HANDLE thread =
                    CreateRemoteThread(process, NULL, 0, (LPTHREAD_START_ROUTINE)mem, mem + 64, 0, NULL);
                if (thread)
                {
                    if (WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0)
                    {
                        DWORD exitCode = 0;
                        GetExitCodeThread(thread, &exitCode);
                        if (result)
                            *result = (LRESULT)exitCode;
                        ok = TRUE;
                    }
                    CloseHandle(thread);
                }
            }
            // Left allocated when the thread did not finish: it may still be reading the block.
            if (ok)
                VirtualFreeEx(process, mem, 0, MEM_RELEASE);
        }
    }
    CloseHandle(process);
    return ok;
}

LRESULT Send(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(h, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return (LRESULT)result;
}

// ---------------------------------------------------------------- window enumeration

struct TopWindow
{
    HWND hwnd;
    DWORD pid;
};

BOOL CALLBACK CollectTop(HWND h, LPARAM lp)
{
    std::vector<TopWindow>* v = (std::vector<TopWindow>*)lp;
    TopWindow t;
    t.hwnd = h;
    t.pid = 0;
    GetWindowThreadProcessId(h, &t.pid);
    v->push_back(t);
    return TRUE;
}

struct Filter
{
    const char* title;
    const char* cls;
    const char* exe;
    long pid;
    bool partial;
    bool visibleOnly;
};

bool Matches(const Filter& f, const TopWindow& t)
{
    if (f.visibleOnly && !IsWindowVisible(t.hwnd))
        return false;
    if (f.pid && (DWORD)f.pid != t.pid)
        return false;
    if (f.cls && lstrcmpiA(ClassName(t.hwnd).c_str(), f.cls) != 0)
        return false;
    if (f.title)
    {
        std::string text = Caption(t.hwnd);
        if (f.partial ? text.find(f.title) == std::string::npos : text != f.title)
            return false;
    }
    if (f.exe && lstrcmpiA(ProcessImage(t.pid).c_str(), f.exe) != 0)
        return false;
    return true;
}

std::vector<TopWindow> FindTop(const Filter& f)
{
    std::vector<TopWindow> all, hits;
    EnumWindows(CollectTop, (LPARAM)&all);
    for (size_t i = 0; i < all.size(); ++i)
        if (Matches(f, all[i]))
            hits.push_back(all[i]);
    return hits;
}

std::string WindowJson(HWND h, DWORD pid, bool withProcess)
{
    RECT r;
    GetWindowRect(h, &r);
    std::string s = "{\"hwnd\": " + JsonString(HandleText(h));
    char buf[64];
    sprintf(buf, ", \"id\": %d", GetDlgCtrlID(h));
    if (!withProcess)
        s += buf;
    s += ", \"class\": " + JsonString(ClassName(h));
    s += ", \"text\": " + JsonString(withProcess ? Caption(h) : WindowText(h));
    s += ", \"rect\": " + RectJson(r);
    s += std::string(", \"visible\": ") + (IsWindowVisible(h) ? "true" : "false");
    s += std::string(", \"enabled\": ") + (IsWindowEnabled(h) ? "true" : "false");
    if (withProcess)
    {
        sprintf(buf, ", \"pid\": %lu", (unsigned long)pid);
        s += buf;
        s += ", \"exe\": " + JsonString(ProcessImage(pid));
        HWND owner = GetWindow(h, GW_OWNER);
        s += ", \"owner\": " + JsonString(owner ? HandleText(owner) : std::string());
    }
    else
    {
        s += ", \"parent\": " + JsonString(HandleText(GetParent(h)));
    }
    s += "}";
    return s;
}

BOOL CALLBACK CollectChild(HWND h, LPARAM lp)
{
    ((std::vector<HWND>*)lp)->push_back(h);
    return TRUE;
}

// ---------------------------------------------------------------- argument parsing

struct Args
{
    std::vector<std::string> positional;
    Filter filter;
    DWORD timeoutMs;
    bool send;
    bool all;
    const char* matchText;

    Args() : timeoutMs(0), send(false), all(false), matchText(NULL)
    {
        filter.title = filter.cls = filter.exe = NULL;
        filter.pid = 0;
        filter.partial = false;
        filter.visibleOnly = false;
    }
};

bool ParseArgs(int argc, char** argv, int first, Args* a)
{
    for (int i = first; i < argc; ++i)
    {
        std::string s = argv[i];
        bool hasValue = i + 1 < argc;
        if (s == "--title" && hasValue)
            a->filter.title = argv[++i];
        else if (s == "--class" && hasValue)
            a->filter.cls = argv[++i];
        else if (s == "--exe" && hasValue)
            a->filter.exe = argv[++i];
        else if (s == "--pid" && hasValue)
        {
            if (!ParseNumber(argv[++i], &a->filter.pid))
                return false;
        }
        else if (s == "--timeout" && hasValue)
        {
            long ms;
            if (!ParseNumber(argv[++i], &ms) || ms < 0)
                return false;
            a->timeoutMs = (DWORD)ms;
        }
        else if (s == "--text" && hasValue)
            a->matchText = argv[++i];
        else if (s == "--partial")
            a->filter.partial = true;
        else if (s == "--visible")
            a->filter.visibleOnly = true;
        else if (s == "--send")
            a->send = true;
        else if (s == "--all")
            a->all = true;
        else
            a->positional.push_back(s);
    }
    return true;
}

// Resolves "HWND [ID]" at the front of the positional arguments; consumed tells how many were used.
HWND Target(const Args& a, size_t at, bool idAllowed, size_t* consumed)
{
    *consumed = 0;
    if (a.positional.size() <= at)
        return NULL;
    HWND h = ParseHandle(a.positional[at].c_str());
    if (!h || !IsWindow(h))
        return NULL;
    *consumed = 1;
    if (idAllowed && a.positional.size() > at + 1)
    {
        long id;
        if (ParseNumber(a.positional[at + 1].c_str(), &id))
        {
            HWND c = ResolveControl(h, a.positional[at + 1].c_str());
            if (!c)
                return NULL;
            *consumed = 2;
            return c;
        }
    }
    return h;
}

HWND TargetOrFail(const Args& a, bool idAllowed, size_t* consumed)
{
    HWND h = Target(a, 0, idAllowed, consumed);
    if (!h)
        Fail("no such window or control: %s", a.positional.empty() ? "" : a.positional[0].c_str());
    return h;
}

void PostOrSend(HWND h, UINT msg, WPARAM wp, LPARAM lp, bool send)
{
    // Posting is the default: a handler that opens a modal dialog would otherwise hold winctl.
    if (send)
        Send(h, msg, wp, lp);
    else
        PostMessageA(h, msg, wp, lp);
}

// ---------------------------------------------------------------- commands

int CmdFind(const Args& a)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        std::vector<TopWindow> hits = FindTop(a.filter);
        if (!hits.empty())
        {
            if (a.all)
                for (size_t i = 0; i < hits.size(); ++i)
                    printf("%s\n", HandleText(hits[i].hwnd).c_str());
            else
                printf("%s\n", HandleText(hits[0].hwnd).c_str());
            return 0;
        }
        if (GetTickCount() - start >= a.timeoutMs)
            return Fail("no matching window");
        Sleep(100);
    }
}

int CmdList(const Args& a)
{
    std::vector<TopWindow> hits = FindTop(a.filter);
    printf("[");
    for (size_t i = 0; i < hits.size(); ++i)
        printf("%s\n %s", i ? "," : "", WindowJson(hits[i].hwnd, hits[i].pid, true).c_str());
    printf("]\n");
    return 0;
}

int CmdChildren(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, false, &used);
    if (!h)
        return 1;
    std::vector<HWND> kids;
    EnumChildWindows(h, CollectChild, (LPARAM)&kids);
    printf("[");
    for (size_t i = 0; i < kids.size(); ++i)
        printf("%s\n %s", i ? "," : "", WindowJson(kids[i], 0, false).c_str());
    printf("]\n");
    return 0;
}

int CmdInfo(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    bool top = !(GetWindowLongA(h, GWL_STYLE) & WS_CHILD);
    printf("%s\n", WindowJson(h, pid, top).c_str());
    return 0;
}

int CmdText(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    printf("%s\n", WindowText(h).c_str());
    return 0;
}

int CmdRect(const Args& a, bool client)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    RECT r;
    if (client)
    {
        GetClientRect(h, &r);
        MapWindowPoints(h, NULL, (POINT*)&r, 2);
    }
    else
    {
        GetWindowRect(h, &r);
    }
    printf("%s\n", RectJson(r).c_str());
    return 0;
}

bool IsComboClass(const std::string& cls)
{
    return lstrcmpiA(cls.c_str(), "ComboBox") == 0 || lstrcmpiA(cls.c_str(), "ComboBoxEx32") == 0;
}

// Item text of a list or combo box in another process. Wine hands the ANSI form of these
// messages across processes as one character only, so the wide form is asked and converted.
std::string ItemText(HWND h, bool combo, int index)
{
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(h, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0, SMTO_ABORTIFHUNG, 5000,
                             &len) ||
        (LONG_PTR)len <= 0)
        return std::string();
    std::vector<WCHAR> wide(len + 1, 0);
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(h, combo ? CB_GETLBTEXT : LB_GETTEXT, index, (LPARAM)&wide[0], SMTO_ABORTIFHUNG,
                             5000, &got))
        return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, &wide[0], -1, NULL, 0, NULL, NULL);
    std::vector<char> text(n > 0 ? n : 1, 0);
    WideCharToMultiByte(CP_ACP, 0, &wide[0], -1, &text[0], n, NULL, NULL);
    return &text[0];
}

int CmdItems(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    bool combo = IsComboClass(ClassName(h));
    UINT getCount = combo ? CB_GETCOUNT : LB_GETCOUNT;
    UINT getData = combo ? CB_GETITEMDATA : LB_GETITEMDATA;
    UINT getSel = combo ? CB_GETCURSEL : LB_GETCURSEL;
    int count = (int)Send(h, getCount, 0, 0);
    printf("{\"items\": [");
    for (int i = 0; i < count; ++i)
    {
        printf("%s%s", i ? ", " : "", JsonString(ItemText(h, combo, i)).c_str());
    }
    printf("], \"data\": [");
    for (int i = 0; i < count; ++i)
        printf("%s%ld", i ? ", " : "", (long)Send(h, getData, i, 0));
    printf("], \"sel\": %d", (int)Send(h, getSel, 0, 0));
    if (!combo)
    {
        LONG style = GetWindowLongA(h, GWL_STYLE);
        if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        {
            printf(", \"selected\": [");
            bool first = true;
            for (int i = 0; i < count; ++i)
                if (Send(h, LB_GETSEL, i, 0) > 0)
                {
                    printf("%s%d", first ? "" : ", ", i);
                    first = false;
                }
            printf("]");
        }
    }
    else
    {
        printf(", \"text\": %s", JsonString(WindowText(h)).c_str());
    }
    printf("}\n");
    return 0;
}

// Finds an item by its exact text, -1 when absent.
int FindItem(HWND h, bool combo, const char* text)
{
    int count = (int)Send(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        if (ItemText(h, combo, i) == text)
            return i;
    return -1;
}

int CmdSelect(const Args& a, bool dblclk)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    bool combo = IsComboClass(ClassName(h));
    long index = -1;
    if (a.matchText)
    {
        index = FindItem(h, combo, a.matchText);
        if (index < 0)
            return Fail("no item with the text %s", a.matchText);
    }
    else if (a.positional.size() <= used || !ParseNumber(a.positional[used].c_str(), &index))
    {
        return Fail("select needs an item index or --text");
    }
    if (combo)
    {
        if (Send(h, CB_SETCURSEL, index, 0) == CB_ERR && index != -1)
            return Fail("index out of range");
    }
    else
    {
        LONG style = GetWindowLongA(h, GWL_STYLE);
        if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        {
            Send(h, LB_SETSEL, FALSE, -1);
            Send(h, LB_SETSEL, TRUE, index);
            Send(h, LB_SETCARETINDEX, index, FALSE);
        }
        else if (Send(h, LB_SETCURSEL, index, 0) == LB_ERR && index != -1)
        {
            return Fail("index out of range");
        }
    }
    // Setting the selection by message sends no notification; the parent hears it as from the user.
    HWND parent = GetParent(h);
    int id = GetDlgCtrlID(h);
    WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    PostOrSend(parent, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)h, a.send);
    if (dblclk)
        PostOrSend(parent, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_DBLCLK : LBN_DBLCLK), (LPARAM)h, a.send);
    printf("%ld\n", index);
    return 0;
}

int CmdSetText(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    if (a.positional.size() <= used)
        return Fail("settext needs a text");
    const std::string& text = a.positional[used];
    DWORD_PTR r = 0;
    // WM_SETTEXT is marshalled; an edit control then tells its parent EN_CHANGE by itself.
    SendMessageTimeoutA(h, WM_SETTEXT, 0, (LPARAM)text.c_str(), SMTO_ABORTIFHUNG, 5000, &r);
    // A combo box's edit does not report a change made this way; tell the parent as the user's
    // typing would.
    if (IsComboClass(ClassName(h)))
        PostOrSend(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_EDITCHANGE), (LPARAM)h, a.send);
    return r ? 0 : Fail("WM_SETTEXT failed");
}

int CmdClick(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    PostOrSend(h, BM_CLICK, 0, 0, a.send);
    return 0;
}

int CmdCheck(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    printf("%d\n", (int)Send(h, BM_GETCHECK, 0, 0));
    return 0;
}

int CmdCommand(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, false, &used);
    if (!h)
        return 1;
    long id, code = 0;
    if (a.positional.size() <= used || !ParseNumber(a.positional[used].c_str(), &id))
        return Fail("command needs an id");
    if (a.positional.size() > used + 1 && !ParseNumber(a.positional[used + 1].c_str(), &code))
        return Fail("bad notification code");
    // With a notification code the control's handle goes along, as a control would send it.
    HWND ctl = code ? ResolveControl(h, a.positional[used].c_str()) : NULL;
    PostOrSend(h, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)ctl, a.send);
    return 0;
}

int CmdMessage(const Args& a, bool send)
{
    size_t used;
    HWND h = TargetOrFail(a, false, &used);
    if (!h)
        return 1;
    long msg, wp = 0, lp = 0;
    if (a.positional.size() <= used || !ParseNumber(a.positional[used].c_str(), &msg))
        return Fail("needs a message number");
    if (a.positional.size() > used + 1 && !ParseNumber(a.positional[used + 1].c_str(), &wp))
        return Fail("bad wParam");
    if (a.positional.size() > used + 2 && !ParseNumber(a.positional[used + 2].c_str(), &lp))
        return Fail("bad lParam");
    if (send)
        printf("%ld\n", (long)Send(h, (UINT)msg, (WPARAM)wp, (LPARAM)lp));
    else if (!PostMessageA(h, (UINT)msg, (WPARAM)wp, (LPARAM)lp))
        return Fail("PostMessage failed");
    return 0;
}

int CmdClose(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, false, &used);
    if (!h)
        return 1;
    PostMessageA(h, WM_CLOSE, 0, 0);
    return 0;
}

int CmdWaitGone(const Args& a)
{
    if (a.positional.empty())
        return Fail("waitgone needs a window");
    HWND h = ParseHandle(a.positional[0].c_str());
    DWORD start = GetTickCount();
    while (h && IsWindow(h))
    {
        if (GetTickCount() - start >= a.timeoutMs)
            return Fail("window still there");
        Sleep(100);
    }
    return 0;
}

// Waits until the program behind a window has come back to its message loop three times in a row.
// A thread takes sent messages before anything else, so each answer comes at the end of one
// handler: the one running when asked, then each of the next two it took from its queue. The keys
// and clicks the display gave it before are in that queue by the first answer (the thread reads
// the display whenever it looks for messages), and one key or click is at most three messages
// (down, character, up).
int CmdIdle(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, false, &used);
    if (!h)
        return 1;
    DWORD timeout = a.timeoutMs ? a.timeoutMs : 10000;
    for (int i = 0; i < 3; ++i)
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &result))
            return IsWindow(h) ? Fail("the window's thread does not answer") : 0;
    }
    return 0;
}

// ---------------------------------------------------------------- list views

int CmdListView(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    const int textMax = 1024;
    RemoteBuffer mem(h, sizeof(LVITEMA) + sizeof(LVCOLUMNA) + textMax);
    if (!mem.IsValid())
        return Fail("cannot reach the list view's process");
    HWND header = (HWND)Send(h, LVM_GETHEADER, 0, 0);
    int columns = header ? (int)Send(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    if (columns < 1)
        columns = 1;
    int count = (int)Send(h, LVM_GETITEMCOUNT, 0, 0);
    char* remoteText = mem.Address(sizeof(LVITEMA) + sizeof(LVCOLUMNA));

    printf("{\"columns\": [");
    for (int c = 0; c < columns; ++c)
    {
        LVCOLUMNA col;
        ZeroMemory(&col, sizeof col);
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = remoteText;
        col.cchTextMax = textMax;
        char text[textMax] = "";
        mem.Write(&col, sizeof col, sizeof(LVITEMA));
        mem.Write(text, 1, sizeof(LVITEMA) + sizeof(LVCOLUMNA));
        if (Send(h, LVM_GETCOLUMNA, c, (LPARAM)mem.Address(sizeof(LVITEMA))))
            mem.Read(text, textMax, sizeof(LVITEMA) + sizeof(LVCOLUMNA));
        text[textMax - 1] = 0;
        printf("%s%s", c ? ", " : "", JsonString(text).c_str());
    }
    printf("], \"items\": [");
    for (int i = 0; i < count; ++i)
    {
        printf("%s[", i ? ",\n " : "");
        for (int c = 0; c < columns; ++c)
        {
            LVITEMA item;
            ZeroMemory(&item, sizeof item);
            item.iSubItem = c;
            item.pszText = remoteText;
            item.cchTextMax = textMax;
            char text[textMax] = "";
            mem.Write(&item, sizeof item);
            int len = (int)Send(h, LVM_GETITEMTEXTA, i, (LPARAM)mem.Address());
            if (len > 0)
                mem.Read(text, textMax, sizeof(LVITEMA) + sizeof(LVCOLUMNA));
            text[len > 0 && len < textMax ? len : (len >= textMax ? textMax - 1 : 0)] = 0;
            printf("%s%s", c ? ", " : "", JsonString(text).c_str());
        }
        printf("]");
    }
    printf("], \"selected\": [");
    bool first = true;
    for (int i = 0; i < count; ++i)
        if (Send(h, LVM_GETITEMSTATE, i, LVIS_SELECTED) & LVIS_SELECTED)
        {
            printf("%s%d", first ? "" : ", ", i);
            first = false;
        }
    printf("], \"focused\": %d}\n", (int)Send(h, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_FOCUSED));
    return 0;
}

int CmdListViewSelect(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    long index;
    if (a.positional.size() <= used || !ParseNumber(a.positional[used].c_str(), &index))
        return Fail("lvselect needs an item index");
    RemoteBuffer mem(h, sizeof(LVITEMA));
    if (!mem.IsValid())
        return Fail("cannot reach the list view's process");
    // Clear every selection, then select and focus the one item; the list view itself sends
    // LVN_ITEMCHANGED to its parent for each change, as it does for the user's clicks.
    LVITEMA item;
    ZeroMemory(&item, sizeof item);
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    mem.Write(&item, sizeof item);
    Send(h, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)mem.Address());
    if (index >= 0)
    {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        mem.Write(&item, sizeof item);
        if (!Send(h, LVM_SETITEMSTATE, index, (LPARAM)mem.Address()))
            return Fail("index out of range");
        Send(h, LVM_ENSUREVISIBLE, index, FALSE);
        // A click also tells the parent NM_CLICK, which some lists follow instead of the change.
        NMITEMACTIVATE nm;
        ZeroMemory(&nm, sizeof nm);
        nm.hdr.hwndFrom = h;
        nm.hdr.idFrom = GetDlgCtrlID(h);
        nm.hdr.code = NM_CLICK;
        nm.iItem = index;
        RECT rc = {LVIR_LABEL, 0, 0, 0};
        RemoteBuffer place(h, sizeof(NMITEMACTIVATE));
        if (place.IsValid() && place.Write(&rc, sizeof rc) &&
            Send(h, LVM_GETITEMRECT, index, (LPARAM)place.Address()) && place.Read(&rc, sizeof rc))
        {
            nm.ptAction.x = rc.left + 2;
            nm.ptAction.y = (rc.top + rc.bottom) / 2;
        }
        if (place.IsValid() && place.Write(&nm, sizeof nm))
            SendInTargetProcess(GetParent(h), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)place.Address(), NULL);
    }
    return 0;
}

// ---------------------------------------------------------------- date and time pickers

int CmdDateTimeGet(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    RemoteBuffer mem(h, sizeof(SYSTEMTIME));
    if (!mem.IsValid())
        return Fail("cannot reach the picker's process");
    SYSTEMTIME st;
    ZeroMemory(&st, sizeof st);
    mem.Write(&st, sizeof st);
    LRESULT r = Send(h, DTM_GETSYSTEMTIME, 0, (LPARAM)mem.Address());
    if (r == GDT_NONE)
    {
        printf("none\n");
        return 0;
    }
    mem.Read(&st, sizeof st);
    printf("%04u-%02u-%02u %02u:%02u:%02u\n", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return 0;
}

int CmdDateTimeSet(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    SYSTEMTIME st;
    ZeroMemory(&st, sizeof st);
    unsigned y, mo, d, hh = 0, mi = 0, ss = 0;
    if (a.positional.size() <= used ||
        sscanf(a.positional[used].c_str(), "%u-%u-%u %u:%u:%u", &y, &mo, &d, &hh, &mi, &ss) < 3)
        return Fail("dtset needs \"YYYY-MM-DD [HH:MM:SS]\"");
    st.wYear = (WORD)y;
    st.wMonth = (WORD)mo;
    st.wDay = (WORD)d;
    st.wHour = (WORD)hh;
    st.wMinute = (WORD)mi;
    st.wSecond = (WORD)ss;
    RemoteBuffer mem(h, sizeof(NMDATETIMECHANGE));
    if (!mem.IsValid())
        return Fail("cannot reach the picker's process");
    mem.Write(&st, sizeof st);
    if (!Send(h, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)mem.Address()))
        return Fail("the picker refused the time");
    // DTM_SETSYSTEMTIME is silent; the parent learns of the change as from the user.
    NMDATETIMECHANGE nm;
    ZeroMemory(&nm, sizeof nm);
    nm.nmhdr.hwndFrom = h;
    nm.nmhdr.idFrom = GetDlgCtrlID(h);
    nm.nmhdr.code = DTN_DATETIMECHANGE;
    nm.dwFlags = GDT_VALID;
    nm.st = st;
    mem.Write(&nm, sizeof nm);
    // WM_NOTIFY goes from inside the picker's process; should that fail the value is set all
    // the same, and the caller is told whether the parent heard of it.
    LRESULT r = 0;
    BOOL sent = SendInTargetProcess(GetParent(h), WM_NOTIFY, nm.nmhdr.idFrom, (LPARAM)mem.Address(), &r);
    printf("%s\n", sent ? "notified" : "set");
    return 0;
}

// ---------------------------------------------------------------- notifications

int CmdNotify(const Args& a)
{
    size_t used;
    HWND h = TargetOrFail(a, true, &used);
    if (!h)
        return 1;
    long code, item = -1;
    if (a.positional.size() <= used || !ParseNumber(a.positional[used].c_str(), &code))
        return Fail("notify needs a notification code (NM_CLICK is -2, NM_DBLCLK -3, NM_RCLICK -5)");
    if (a.positional.size() > used + 1 && !ParseNumber(a.positional[used + 1].c_str(), &item))
        return Fail("bad item index");
    RemoteBuffer mem(h, sizeof(NMITEMACTIVATE));
    if (!mem.IsValid())
        return Fail("cannot reach the control's process");
    // An item activation record starts with the plain header, so it serves every code.
    NMITEMACTIVATE nm;
    ZeroMemory(&nm, sizeof nm);
    nm.hdr.hwndFrom = h;
    nm.hdr.idFrom = GetDlgCtrlID(h);
    nm.hdr.code = (UINT)code;
    nm.iItem = (int)item;
    mem.Write(&nm, sizeof nm);
    LRESULT r = 0;
    if (!SendInTargetProcess(GetParent(h), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)mem.Address(), &r))
        return Fail("the notification could not be sent");
    printf("%ld\n", (long)r);
    return 0;
}

void Usage()
{
    fprintf(stderr, "usage: winctl COMMAND ...\n"
                    "  find [--title T] [--class C] [--exe NAME] [--pid P] [--partial] [--visible] [--all] "
                    "[--timeout MS]\n"
                    "  list [same filters]            top-level windows as JSON\n"
                    "  children HWND                  descendants: id, class, text, rect, visible, enabled\n"
                    "  info HWND [ID]                 one window as JSON\n"
                    "  text HWND [ID]                 window text\n"
                    "  rect HWND [ID] / client HWND [ID]   screen rectangle as JSON\n"
                    "  items HWND [ID]                list or combo box items and selection\n"
                    "  select HWND ID INDEX|--text T [--send]   select and notify the parent\n"
                    "  dblclk HWND ID INDEX|--text T  select, then LBN_DBLCLK\n"
                    "  lvitems HWND [ID]              list-view columns, rows and selection\n"
                    "  lvselect HWND ID INDEX         select one list-view row (-1 clears)\n"
                    "  dtget HWND ID / dtset HWND ID \"YYYY-MM-DD HH:MM:SS\"   date-time picker\n"
                    "  notify HWND ID CODE [ITEM]     WM_NOTIFY from the control to its parent\n"
                    "  settext HWND [ID] TEXT         WM_SETTEXT\n"
                    "  click HWND [ID] [--send]       BM_CLICK\n"
                    "  check HWND [ID]                BM_GETCHECK\n"
                    "  command HWND ID [CODE] [--send]   WM_COMMAND to HWND\n"
                    "  post|send HWND MSG [WPARAM [LPARAM]]\n"
                    "  close HWND                     WM_CLOSE\n"
                    "  waitgone HWND [--timeout MS]\n"
                    "  idle HWND [--timeout MS]       wait until the window's program is back in its "
                    "message loop\n");
}

} // namespace

int main(int argc, char** argv)
{
    // Plain "\n" line ends, so that callers on the Unix side read clean lines.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2)
    {
        Usage();
        return 2;
    }
    Args a;
    if (!ParseArgs(argc, argv, 2, &a))
    {
        Usage();
        return 2;
    }
    std::string cmd = argv[1];
    if (cmd == "find")
        return CmdFind(a);
    if (cmd == "list")
        return CmdList(a);
    if (cmd == "children")
        return CmdChildren(a);
    if (cmd == "info")
        return CmdInfo(a);
    if (cmd == "text")
        return CmdText(a);
    if (cmd == "rect")
        return CmdRect(a, false);
    if (cmd == "client")
        return CmdRect(a, true);
    if (cmd == "items")
        return CmdItems(a);
    if (cmd == "select")
        return CmdSelect(a, false);
    if (cmd == "dblclk")
        return CmdSelect(a, true);
    if (cmd == "lvitems")
        return CmdListView(a);
    if (cmd == "lvselect")
        return CmdListViewSelect(a);
    if (cmd == "dtget")
        return CmdDateTimeGet(a);
    if (cmd == "dtset")
        return CmdDateTimeSet(a);
    if (cmd == "notify")
        return CmdNotify(a);
    if (cmd == "settext")
        return CmdSetText(a);
    if (cmd == "click")
        return CmdClick(a);
    if (cmd == "check")
        return CmdCheck(a);
    if (cmd == "command")
        return CmdCommand(a);
    if (cmd == "post")
        return CmdMessage(a, false);
    if (cmd == "send")
        return CmdMessage(a, true);
    if (cmd == "close")
        return CmdClose(a);
    if (cmd == "waitgone")
        return CmdWaitGone(a);
    if (cmd == "idle")
        return CmdIdle(a);
    Usage();
    return 2;
}
