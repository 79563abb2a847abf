// Activity log: entries in memory, XML and text renderings, error summary and event-log reports.
#include "ActivityLog.h"
#include "FileAccess.h"
#include <new>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char* CopyText(const char* text)
{
    if (!text)
        return nullptr;
    size_t n = strlen(text) + 1;
    char* p = static_cast<char*>(malloc(n));
    if (p)
        memcpy(p, text, n);
    return p;
}

// ---------------------------------------------------------------- LogEntry

LogEntry::LogEntry(char kind, char type)
    : m_marker(0xDC), m_kind(kind), m_type(type), m_text(nullptr), m_keyword(nullptr), m_continuation(false),
      m_report(false)
{
    GetLocalTime(&m_time);
}

LogEntry::~LogEntry()
{
    Check();
    free(m_text);
    free(m_keyword);
    m_text = m_keyword = nullptr;
    m_marker = 0;
}

void LogEntry::Check() const
{
    VXML_CHECK(m_marker == 0xDC, "LogEntry used after destruction");
}

void LogEntry::SetText(const char* text)
{
    Check();
    free(m_text);
    m_text = CopyText(text);
}

void LogEntry::SetKeyword(const char* keyword)
{
    Check();
    free(m_keyword);
    m_keyword = CopyText(keyword);
}

const SYSTEMTIME& LogEntry::GetTime() const
{
    Check();
    return m_time;
}
char LogEntry::GetKind() const
{
    Check();
    return m_kind;
}
char LogEntry::GetType() const
{
    Check();
    return m_type;
}
const char* LogEntry::GetText() const
{
    Check();
    return m_text ? m_text : "";
}
const char* LogEntry::GetKeyword() const
{
    Check();
    return m_keyword;
}
bool LogEntry::IsContinuation() const
{
    Check();
    return m_continuation;
}
bool LogEntry::GetReport() const
{
    Check();
    return m_report;
}
void LogEntry::SetContinuation(bool on)
{
    Check();
    m_continuation = on;
}
void LogEntry::SetReport(bool on)
{
    Check();
    m_report = on;
}

// ---------------------------------------------------------------- ActivityLog

ActivityLog::ActivityLog()
    : m_eventMode(0), m_template("_STANDARD_\r\n"), m_indent("  "), m_limit(15000), m_htmlEscape(false),
      m_errorPending(false)
{
}

ActivityLog::~ActivityLog()
{
    Clear();
}

void ActivityLog::Clear()
{
    m_entries.DeleteAll<LogEntry>();
}

bool ActivityLog::RecordMessage(const char* text, char type)
{
    if (!text || !*text)
        return false;
    StringBuffer whole(text);
    ExtPtrArray lines;
    whole.Split(lines, "\r\n", false, false);
    bool first = true;
    for (int i = 0; i < lines.GetSize(); i++)
    {
        StringBuffer* line = static_cast<StringBuffer*>(lines.GetAt(i));
        if (!line || line->GetLength() == 0)
            continue;
        LogEntry* entry = new (std::nothrow) LogEntry('M', type);
        if (!entry)
            break;
        if (first)
            entry->SetText(line->GetString());
        else
        {
            StringBuffer indented(m_indent.GetString());
            indented.AppendBuffer(*line);
            entry->SetText(indented.GetString());
            entry->SetContinuation(true);
        }
        first = false;
        m_entries.Append(entry);
    }
    lines.DeleteAll<StringBuffer>();
    if (type == 'E')
        m_errorPending = true;
    if (m_eventMode == 3)
        ReportEvent(text, type == 'E');
    return true;
}

bool ActivityLog::RecordData(const char* name, const char* value, bool normaliseName)
{
    StringBuffer key(name);
    if (normaliseName)
    {
        key.Trim();
        key.ReplaceChar(' ', '_');
    }
    if (key.GetLength() == 0)
        return false;
    LogEntry* entry = new (std::nothrow) LogEntry('D', '0');
    if (!entry)
        return false;
    entry->SetKeyword(key.GetString());
    entry->SetText(value ? value : "");
    m_entries.Append(entry);
    if (m_eventMode == 3)
    {
        StringBuffer report("[");
        report.AppendBuffer(key);
        report.Append("] = [");
        report.Append(value);
        report.Append("]");
        ReportEvent(report.GetString(), false);
    }
    return true;
}

bool ActivityLog::EnterContext(const char* name, bool report)
{
    if (!name || !*name)
        return false;
    LogEntry* entry = new (std::nothrow) LogEntry('C', '0');
    if (!entry)
        return false;
    entry->SetText(name);
    entry->SetReport(report);
    m_entries.Append(entry);
    return true;
}

int ActivityLog::FindReportingContext(int from) const
{
    int depth = 1;
    for (int i = from; i >= 0; i--)
    {
        LogEntry* entry = GetEntry(i);
        if (entry->GetKind() == 'E')
            depth++;
        else if (entry->GetKind() == 'C' && --depth == 0)
            return i;
    }
    return -1;
}

void ActivityLog::LeaveContext()
{
    m_errorSummary.Clear();
    int count = m_entries.GetSize();
    if (!count)
        return;
    LogEntry* last = GetEntry(count - 1);
    if (last->GetKind() == 'C')
    {
        delete static_cast<LogEntry*>(m_entries.PopLast());
        return;
    }
    LogEntry* end = new (std::nothrow) LogEntry('E', '0');
    if (!end)
        return;
    m_entries.Append(end);
    if (!m_errorPending)
        return;
    int begin = FindReportingContext(m_entries.GetSize() - 2);
    if (begin >= 0 && GetEntry(begin)->GetReport())
    {
        m_failureXml.Clear();
        RenderXml(begin, m_entries.GetSize() - 1, false, m_failureXml);
        m_errorPending = false;
    }
}

void ActivityLog::AddSummary(const char* item)
{
    if (m_errorSummary.GetLength())
        m_errorSummary.AppendChar('\n');
    m_errorSummary.Append(item);
}

static bool NeedsCdata(const char* text)
{
    if (strstr(text, "<![CDATA[") && strstr(text, "]]>"))
        return false;
    return strpbrk(text, "\n\t&><") != nullptr;
}

static void AppendTime(StringBuffer& out, const SYSTEMTIME& t, bool seconds)
{
    char text[40];
    if (seconds)
        sprintf(text, "%02d/%02d/%04d %02d:%02d:%02d", t.wMonth, t.wDay, t.wYear, t.wHour, t.wMinute,
                t.wSecond);
    else
        sprintf(text, "%02d/%02d/%04d %02d:%02d ", t.wMonth, t.wDay, t.wYear, t.wHour, t.wMinute);
    out.Append(text);
}

void ActivityLog::RenderXml(int first, int last, bool withDates, StringBuffer& out)
{
    StringBuffer indent;
    ExtPtrArray open;
    out.Append("<CorvitaLog>\n");
    for (int i = first; i <= last && i < m_entries.GetSize(); i++)
    {
        LogEntry* entry = GetEntry(i);
        switch (entry->GetKind())
        {
        case 'C': {
            open.Append(entry);
            out.AppendBuffer(indent);
            out.AppendChar('<');
            out.Append(entry->GetText());
            out.Append(">\n");
            indent.Append("    ");
            StringBuffer item("(");
            item.Append(entry->GetText());
            item.Append(")");
            AddSummary(item.GetString());
            break;
        }
        case 'E': {
            LogEntry* begin = static_cast<LogEntry*>(open.PopLast());
            if (!begin)
                break;
            indent.DropLast(4);
            out.AppendBuffer(indent);
            out.Append("</");
            out.Append(begin->GetText());
            out.Append(">\n");
            break;
        }
        case 'D': {
            const char* name = entry->GetKeyword() ? entry->GetKeyword() : "";
            if (strcmp(name, "__xml__") == 0)
            {
                out.Append(entry->GetText());
                out.AppendChar('\n');
                break;
            }
            out.AppendBuffer(indent);
            out.AppendChar('<');
            out.Append(name);
            out.AppendChar('>');
            if (NeedsCdata(entry->GetText()))
            {
                out.Append("<![CDATA[");
                out.Append(entry->GetText());
                out.Append("]]>");
            }
            else
            {
                StringBuffer value(entry->GetText());
                value.EscapeMarkupNoQuote();
                out.AppendBuffer(value);
            }
            out.Append("</");
            out.Append(name);
            out.Append(">\n");
            StringBuffer item(name);
            item.Append(": ");
            item.Append(entry->GetText());
            AddSummary(item.GetString());
            break;
        }
        case 'M': {
            int end = i;
            while (end + 1 <= last && end + 1 < m_entries.GetSize() && GetEntry(end + 1)->IsContinuation())
                end++;
            const char* element = entry->GetType() == 'E'   ? "error"
                                  : entry->GetType() == 'D' ? "debug"
                                                            : "info";
            out.AppendBuffer(indent);
            out.AppendChar('<');
            out.Append(element);
            if (withDates)
            {
                out.Append(" date=\"");
                AppendTime(out, entry->GetTime(), true);
                out.AppendChar('"');
            }
            if (entry->GetKeyword() && *entry->GetKeyword())
            {
                out.Append(" keyword=\"");
                out.Append(entry->GetKeyword());
                out.AppendChar('"');
            }
            out.AppendChar('>');
            bool cdata = end > i || NeedsCdata(entry->GetText());
            if (cdata)
                out.Append("<![CDATA[");
            for (int k = i; k <= end; k++)
            {
                if (k > i)
                    out.AppendChar('\n');
                out.Append(GetEntry(k)->GetText());
                if (entry->GetType() == 'E')
                {
                    StringBuffer item(k > i ? "    " : "");
                    item.Append(GetEntry(k)->GetText());
                    AddSummary(item.GetString());
                }
            }
            if (cdata)
                out.Append("]]>");
            out.Append("</");
            out.Append(element);
            out.Append(">\n");
            i = end;
            break;
        }
        default:
            break;
        }
    }
    while (LogEntry* begin = static_cast<LogEntry*>(open.PopLast()))
    {
        out.Append("</");
        out.Append(begin->GetText());
        out.Append(">\n");
    }
    out.Append("</CorvitaLog>\n");
}

bool ActivityLog::SaveXml(bool withDates, const char* path)
{
    if (!path)
        return false;
    StringBuffer doc("<?xml version=\"1.0\"  encoding=\"utf-8\" standalone=\"yes\" ?>\n");
    if (m_entries.GetSize() == 0)
        doc.Append("<CorvitaLog>The log is empty</CorvitaLog>");
    else
        RenderXml(0, m_entries.GetSize() - 1, withDates, doc);
    return FileAccess::WriteWholeFileUtf8(path, doc.GetString(), doc.GetLength(), nullptr);
}

void ActivityLog::SetTemplate(const char* text, bool html)
{
    m_template.SetString(text);
    m_htmlEscape = html;
}

void ActivityLog::ExpandTemplate(const LogEntry& entry, StringBuffer& out)
{
    const SYSTEMTIME& t = entry.GetTime();
    bool error = entry.GetType() == 'E';
    StringBuffer text(entry.GetText());
    if (m_htmlEscape)
        text.EscapeMarkup();
    StringBuffer result(m_template.GetString());
    char buf[40];
    if (strstr(m_template.GetString(), "_STANDARD_"))
    {
        StringBuffer v;
        AppendTime(v, t, false);
        v.Append(error ? "ERROR: " : "INFO:  ");
        v.AppendBuffer(text);
        result.ReplaceAll("_STANDARD_", v.GetString());
    }
    if (strstr(m_template.GetString(), "_KEYWORD_") && entry.GetKeyword())
        result.ReplaceAll("_KEYWORD_", entry.GetKeyword());
    if (strstr(m_template.GetString(), "_MESSAGE_"))
        result.ReplaceAll("_MESSAGE_", text.GetString());
    if (strstr(m_template.GetString(), "_DATETIME_"))
    {
        StringBuffer v;
        AppendTime(v, t, true);
        result.ReplaceAll("_DATETIME_", v.GetString());
    }
    if (strstr(m_template.GetString(), "_STATUS_"))
        result.ReplaceAll("_STATUS_", error ? "ERROR" : "INFO");
    if (strstr(m_template.GetString(), "_MDY_"))
    {
        sprintf(buf, "%02d/%02d/%04d", t.wMonth, t.wDay, t.wYear);
        result.ReplaceAll("_MDY_", buf);
    }
    if (strstr(m_template.GetString(), "_DMY_"))
    {
        sprintf(buf, "%02d/%02d/%04d", t.wDay, t.wMonth, t.wYear);
        result.ReplaceAll("_DMY_", buf);
    }
    if (strstr(m_template.GetString(), "_HMS_"))
    {
        sprintf(buf, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
        result.ReplaceAll("_HMS_", buf);
    }
    out.AppendBuffer(result);
}

void ActivityLog::RenderText(StringBuffer& out)
{
    for (int i = 0; i < m_entries.GetSize(); i++)
    {
        LogEntry* entry = GetEntry(i);
        if (entry->GetKind() == 'M' && entry->GetType() != 'D')
            ExpandTemplate(*entry, out);
        else if (entry->GetKind() == 'D')
        {
            LogEntry info('M', 'I');
            StringBuffer text(entry->GetKeyword());
            text.Append(": ");
            text.Append(entry->GetText());
            info.SetText(text.GetString());
            ExpandTemplate(info, out);
        }
    }
}

void ActivityLog::ReportEvent(const char* message, bool error)
{
    StringBuffer report("[");
    report.AppendBuffer(m_eventPrefix);
    report.Append("] ");
    report.Append(message);
    HANDLE source = RegisterEventSourceA(nullptr, m_eventSource.GetString());
    if (!source)
        return;
    const char* strings[1] = {report.GetString()};
    ::ReportEventA(source, error ? EVENTLOG_ERROR_TYPE : EVENTLOG_INFORMATION_TYPE, 1, error ? 1004 : 1002,
                   nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(source);
}

// ---------------------------------------------------------------- Logger

Logger::Logger() : m_log(new (std::nothrow) ActivityLog()), m_errorFlag(false) {}

Logger::~Logger()
{
    delete m_log;
}

void Logger::GetXml(StringBuffer& out)
{
    if (m_log && m_log->GetCount())
        m_log->RenderXml(0, m_log->GetCount() - 1, false, out);
}

void Logger::GetHtml(StringBuffer& out)
{
    if (!m_log)
        return;
    m_log->SetTemplate("_MESSAGE_<br>", true);
    m_log->RenderText(out);
}

void Logger::GetText(StringBuffer& out)
{
    if (!m_log)
        return;
    m_log->SetTemplate("_MESSAGE_\r\n", false);
    m_log->RenderText(out);
}

bool Logger::LogError(const char* text)
{
    m_errorFlag = true;
    return m_log && m_log->RecordMessage(text, 'E');
}

bool Logger::LogInfo(const char* text)
{
    return m_log && m_log->RecordMessage(text, 'I');
}
bool Logger::LogDebug(const char* text)
{
    return m_log && m_log->RecordMessage(text, 'D');
}
bool Logger::LogDataXml(const char* xml)
{
    return m_log && m_log->RecordData("__xml__", xml, false);
}

bool Logger::ClearLog()
{
    m_errorFlag = false;
    if (!m_log)
        return false;
    m_log->Clear();
    return true;
}

bool Logger::EnterContext(const char* name, bool report)
{
    return m_log && m_log->EnterContext(name, report);
}

bool Logger::LeaveContext()
{
    if (!m_log)
        return false;
    m_log->LeaveContext();
    return true;
}

bool Logger::LogData(const char* name, const char* value)
{
    return m_log && m_log->RecordData(name, value, true);
}

bool Logger::LogDataLong(const char* name, long value)
{
    char text[20];
    sprintf(text, "%d", (int)value);
    return LogData(name, text);
}

bool Logger::ClearEntries()
{
    if (!m_log)
        return false;
    m_log->Clear();
    return true;
}

bool Logger::GetErrorSummary(StringBuffer& out)
{
    if (!m_log)
        return false;
    out.AppendBuffer(m_log->m_errorSummary);
    return true;
}

bool Logger::SaveXml(bool withDates, const char* path)
{
    return m_log && m_log->SaveXml(withDates, path);
}

void Logger::SetLimit(unsigned long limit)
{
    if (m_log)
        m_log->m_limit = limit;
}

bool Logger::ErrorLogged()
{
    return m_errorFlag;
}
