// CDiaryOptions: the "Calendar/Diary Options" page: the sound of diary reminders and whether they
// are removed once they fired. The options sheet fills the public values from the settings before
// the page shows and puts them back on OK.
#ifndef VELMORA_DIARYOPTIONS_H
#define VELMORA_DIARYOPTIONS_H

#include <afxwin.h>
#include <afxdlgs.h>

#include "resource.h"

class CSettings;

class CDiaryOptions : public CPropertyPage
{
    // Construction
public:
    CDiaryOptions();

    enum
    {
        IDD = IDD_DIARY_OPTIONS
    };

    // Attributes: the settings of the page.
public:
    BOOL m_bPlaySound;      // "DefPlayRemSound"
    CString m_strSoundFile; // "DefRemSound"
    BOOL m_bDeleteReminder; // "DeleteReminder"

    // Operations
public:
    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;

    // Implementation
protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateSoundRule();

    afx_msg void OnPlaySound();
    afx_msg void OnBrowse();
    afx_msg void OnTestSound();
    afx_msg void OnStopSound();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_DIARYOPTIONS_H
