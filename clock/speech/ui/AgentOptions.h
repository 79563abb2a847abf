// CAgentOptions: the "MS Agents" page of the options: whether the character is used, which
// character file, its voice, and how it behaves after speaking. A chosen file can be previewed
// beside the page. The sheet fills the public values from the settings before it runs and puts
// them back after OK.
#ifndef VELMORA_AGENTOPTIONS_H
#define VELMORA_AGENTOPTIONS_H

#include <afxcmn.h>
#include <afxdlgs.h>

#include "AgentCharacter.h"

class CSettings;

class CAgentOptions : public CPropertyPage
{
    DECLARE_DYNAMIC(CAgentOptions)

public:
    CAgentOptions();
    virtual ~CAgentOptions();

    BOOL m_bAgentMissing; // the page then only says so
    BOOL m_bEnableAgent;
    CString m_strAgentPath; // the folder listed for "*.acs"
    CString m_strAgentFile; // the chosen file name
    CString m_strPreviewText;
    int m_nPitch;
    int m_nSpeed;
    int m_nVolume;
    BOOL m_bHidePostSpeech;
    BOOL m_bEnableEffects;
    BOOL m_bBalloonText;

    // The page's values from the settings, and back; the character folder is never written.
    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;

    // The character server for previews and the id of the clock's own character (empty for none).
    // Without a server Preview and Speak do nothing. The caller keeps ownership.
    void SetCharacter(IAgentCharacter* pCharacter, const CString& strCurrentId);
    // The id the preview speaks under: "Preview", the current character's id, or empty.
    const CString& GetPreviewId() const { return m_strPreviewId; }

    // The voice tags of the page's pitch, speed and volume.
    CString GetVoiceTags() const;

protected:
    IAgentCharacter* m_pCharacter;
    CString m_strCurrentId;
    CString m_strPreviewId;
    CSliderCtrl m_ctlPitch;
    CSliderCtrl m_ctlSpeed;
    CSliderCtrl m_ctlVolume;

    void FillList();
    void EnableControls();
    void EndPreview();
    void ReadSliders();
    void SayAboutCheck(int nIDC, LPCTSTR pszLead, LPCTSTR pszOn, LPCTSTR pszOff);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg void OnEnableAgent();
    afx_msg void OnPreview();
    afx_msg void OnSpeak();
    afx_msg void OnHidePostSpeech();
    afx_msg void OnEnableEffects();
    afx_msg void OnBalloonText();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AGENTOPTIONS_H
