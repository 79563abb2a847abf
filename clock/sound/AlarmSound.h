// CAlarmSound: the sounds of alarms and reminders: sound files (waves through PlaySound, MIDI files
// through the sequencer), a track of the audio CD, and Silence Alarm.
#ifndef VELMORA_ALARMSOUND_H
#define VELMORA_ALARMSOUND_H

#include <afx.h>

#include "MciDevice.h"

class CAlarmSound
{
    // Construction
public:
    CAlarmSound();
    // Closes both devices.
    ~CAlarmSound();

    // The window that receives MM_MCINOTIFY from both devices.
    void SetNotifyWindow(HWND hWnd);

    // Attributes
public:
    CMciSequencer m_sequencer;
    CMciDevice m_cd;
    BOOL IsCdPlaying() const { return m_bCdPlaying; }

    // Operations
public:
    void PlayAlarmSound(const CString& strName);
    void PlayMidiFile(const CString& strName);
    // FALSE when nothing plays (no device, no disc, no such track); the device is then closed.
    BOOL PlayCdTrack(int nTrack);
    void StopAlarmSound();
    void StopMciPlayback();
    // MM_MCINOTIFY from either device: a CD track that ended or was stopped closes the CD device.
    void OnMciNotify();
    // At the end of the program, and before a shut-down: stops and closes the CD device.
    void CloseCd();
    // The last three characters of a sound name tell the sequencer's files apart.
    static BOOL IsMidiName(const CString& strName);

    // Implementation
protected:
    BOOL m_bCdPlaying;
    int m_nLastTrack;
    DWORD m_dwFrom;
    DWORD m_dwTo;
};

#endif // VELMORA_ALARMSOUND_H
