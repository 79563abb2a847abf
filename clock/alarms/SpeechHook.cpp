// The installed alarm announcer, silent by default.
#include "SpeechHook.h"

namespace
{
class CSilentSpeech : public IAlarmSpeech
{
public:
    void AnnounceAlarm(const CString&, const COleDateTime&) override {}
};

IAlarmSpeech* g_pSpeech = NULL;
} // namespace

IAlarmSpeech& GetAlarmSpeech()
{
    static CSilentSpeech silent;
    return g_pSpeech != NULL ? *g_pSpeech : silent;
}

void SetAlarmSpeech(IAlarmSpeech* pSpeech)
{
    g_pSpeech = pSpeech;
}
