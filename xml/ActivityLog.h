// Activity log: the log interface LogBase, its implementation Logger, and the entry list ActivityLog.
#ifndef VELMORA_ACTIVITYLOG_H
#define VELMORA_ACTIVITYLOG_H
#include "StringBuffer.h"

class LogBase
{
public:
    virtual ~LogBase() {}
    virtual void GetXml(StringBuffer& out) = 0;
    virtual void GetHtml(StringBuffer& out) = 0;
    virtual void GetText(StringBuffer& out) = 0;
    virtual bool LogError(const char* text) = 0;
    virtual bool LogInfo(const char* text) = 0;
    virtual bool LogDebug(const char* text) = 0;
    virtual bool LogDataXml(const char* xml) = 0;
    virtual bool ClearLog() = 0;
    virtual bool EnterContext(const char* name, bool report) = 0;
    virtual bool LeaveContext() = 0;
    virtual bool LogData(const char* name, const char* value) = 0;
    virtual bool LogDataLong(const char* name, long value) = 0;
    virtual bool ClearEntries() = 0;
    virtual bool GetErrorSummary(StringBuffer& out) = 0;
    virtual bool SaveXml(bool withDates, const char* path) = 0;
    virtual void SetLimit(unsigned long limit) = 0;
    virtual bool ErrorLogged() = 0;
};

class LogEntry
{
public:
    LogEntry(const LogEntry&) = delete;
    LogEntry& operator=(const LogEntry&) = delete;
    LogEntry(char kind, char type);
    virtual ~LogEntry();

    void SetText(const char* text);
    void SetKeyword(const char* keyword);
    const SYSTEMTIME& GetTime() const;
    char GetKind() const;
    char GetType() const;
    const char* GetText() const;    // "" when none
    const char* GetKeyword() const; // null when none
    bool IsContinuation() const;
    bool GetReport() const;
    void SetContinuation(bool on);
    void SetReport(bool on);

private:
    void Check() const;

    unsigned char m_marker;
    SYSTEMTIME m_time;
    char m_kind;
    char m_type;
    char* m_text;
    char* m_keyword;
    bool m_continuation;
    bool m_report;
};

class ActivityLog
{
public:
    ActivityLog(const ActivityLog&) = delete;
    ActivityLog& operator=(const ActivityLog&) = delete;
    ActivityLog();
    virtual ~ActivityLog();

    bool RecordMessage(const char* text, char type);
    bool RecordData(const char* name, const char* value, bool normaliseName);
    bool EnterContext(const char* name, bool report);
    void LeaveContext();
    void Clear();
    void RenderXml(int first, int last, bool withDates, StringBuffer& out);
    void RenderText(StringBuffer& out);
    bool SaveXml(bool withDates, const char* path);
    void ReportEvent(const char* message, bool error);
    void SetTemplate(const char* text, bool html);
    int FindReportingContext(int from) const;

    int GetCount() const { return m_entries.GetSize(); }
    LogEntry* GetEntry(int i) const { return static_cast<LogEntry*>(m_entries.GetAt(i)); }

    StringBuffer m_eventSource;
    unsigned long m_eventMode;
    StringBuffer m_template;
    ExtPtrArray m_entries;
    StringBuffer m_indent;
    unsigned long m_limit;
    bool m_htmlEscape;
    StringBuffer m_eventPrefix;
    StringBuffer m_errorSummary;
    bool m_errorPending;
    StringBuffer m_failureXml;

private:
    void ExpandTemplate(const LogEntry& entry, StringBuffer& out);
    void AddSummary(const char* item);
};

class Logger : public LogBase
{
public:
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;
    Logger();
    ~Logger() override;

    void GetXml(StringBuffer& out) override;
    void GetHtml(StringBuffer& out) override;
    void GetText(StringBuffer& out) override;
    bool LogError(const char* text) override;
    bool LogInfo(const char* text) override;
    bool LogDebug(const char* text) override;
    bool LogDataXml(const char* xml) override;
    bool ClearLog() override;
    bool EnterContext(const char* name, bool report) override;
    bool LeaveContext() override;
    bool LogData(const char* name, const char* value) override;
    bool LogDataLong(const char* name, long value) override;
    bool ClearEntries() override;
    bool GetErrorSummary(StringBuffer& out) override;
    bool SaveXml(bool withDates, const char* path) override;
    void SetLimit(unsigned long limit) override;
    bool ErrorLogged() override;

    ActivityLog* GetActivityLog() const { return m_log; }

private:
    ActivityLog* m_log;
    bool m_errorFlag;
};

// Helpers that keep a null log silent.
inline void LogErr(LogBase* log, const char* text)
{
    if (log)
        log->LogError(text);
}
inline void LogPair(LogBase* log, const char* name, const char* value)
{
    if (log)
        log->LogData(name, value);
}

#endif // VELMORA_ACTIVITYLOG_H
