// CAlarmSound: PlaySound for waves and default sounds, the MCI sequencer for MIDI, MCI CD audio.
#include "AlarmSound.h"

#include "SoundServices.h"

CAlarmSound::CAlarmSound() : m_bCdPlaying(FALSE), m_nLastTrack(0), m_dwFrom(0), m_dwTo(0) {}

CAlarmSound::~CAlarmSound()
{
    m_sequencer.Close();
    CloseCd();
}

void CAlarmSound::SetNotifyWindow(HWND hWnd)
{
    m_sequencer.SetCallbackWindow(hWnd);
    m_cd.SetCallbackWindow(hWnd);
}

BOOL CAlarmSound::IsMidiName(const CString& strName)
{
    // A name shorter than the extension is no MIDI file, and is not read before its start.
    if (strName.GetLength() < 3)
        return FALSE;
    CString strExt = strName.Right(3);
    strExt.MakeUpper();
    return strExt == _T("MID") || strExt == _T("RMI");
}

void CAlarmSound::PlayAlarmSound(const CString& strName)
{
    if (IsMidiName(strName))
    {
        PlayMidiFile(strName);
        return;
    }
    // No SND_NODEFAULT: a name that is no file ("Default Beep") plays the system's default sound.
    GetPlaySoundService().PlaySound(strName, SND_FILENAME | SND_ASYNC);
}

void CAlarmSound::PlayMidiFile(const CString& strName)
{
    // Whatever the sequencer played stops: a second MIDI alarm cuts the first off.
    m_sequencer.Close();
    m_sequencer.SetReportErrors(TRUE);
    if (m_sequencer.Open(strName, FALSE) == 0)
    {
        m_sequencer.SetTimeFormat(MCI_FORMAT_MILLISECONDS);
        m_sequencer.PlayFromHere(TRUE);
    }
    m_sequencer.SetReportErrors(FALSE);
}

BOOL CAlarmSound::PlayCdTrack(int nTrack)
{
    // A track still playing from an earlier alarm holds the device, which is not shareable.
    CloseCd();
    if (nTrack < 1 || nTrack > 99)
        return FALSE;
    if (m_cd.OpenCdAudio(FALSE) != 0)
        return FALSE;
    // Every way out below without a play closes the device again: no notification would.
    if (!m_cd.IsReady() || m_cd.SetTimeFormat(MCI_FORMAT_TMSF) != 0)
    {
        m_cd.Close();
        return FALSE;
    }
    DWORD dwLength = m_cd.GetTrackLength((DWORD)nTrack);
    m_nLastTrack = nTrack;
    m_dwFrom = MCI_MAKE_TMSF(nTrack, 0, 0, 0);
    m_dwTo =
        MCI_MAKE_TMSF(nTrack, MCI_MSF_MINUTE(dwLength), MCI_MSF_SECOND(dwLength), MCI_MSF_FRAME(dwLength));
    if (m_cd.Play(m_dwFrom, m_dwTo, TRUE) != 0)
    {
        m_cd.Close();
        return FALSE;
    }
    m_bCdPlaying = TRUE;
    return TRUE;
}

void CAlarmSound::StopAlarmSound()
{
    GetPlaySoundService().PlaySound(NULL, SND_PURGE);
    if (m_sequencer.IsOpen() && m_sequencer.Stop() == 0)
        m_sequencer.SeekToStart(FALSE);
    StopMciPlayback();
}

void CAlarmSound::StopMciPlayback()
{
    if (m_cd.IsOpen())
        m_cd.Stop();
}

void CAlarmSound::OnMciNotify()
{
    if (!m_bCdPlaying)
        return;
    if (m_cd.IsOpen())
    {
        m_cd.Stop();
        m_cd.Close();
    }
    m_bCdPlaying = FALSE;
}

void CAlarmSound::CloseCd()
{
    if (m_cd.IsOpen())
    {
        m_cd.Stop();
        m_cd.Close();
    }
    m_bCdPlaying = FALSE;
}
