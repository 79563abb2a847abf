// Pictures on push buttons: the sound buttons of the alarm, timer and diary pages show the
// program's small icons (their templates give them the BS_ICON style).
#ifndef VELMORA_BUTTONICONS_H
#define VELMORA_BUTTONICONS_H

#include <afxwin.h>

struct ButtonIcon
{
    UINT nButton;
    UINT nIcon;
};

inline void SetButtonIcons(CWnd* pDialog, const ButtonIcon* pIcons, int nCount)
{
    for (int i = 0; i < nCount; i++)
    {
        HWND hButton = ::GetDlgItem(pDialog->GetSafeHwnd(), pIcons[i].nButton);
        // Shared icons stay with the module, so no button has to destroy its picture; the small
        // size keeps the picture inside the button's face.
        HICON hIcon =
            (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(pIcons[i].nIcon), IMAGE_ICON,
                               ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
        if (hButton != NULL && hIcon != NULL)
            ::SendMessage(hButton, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
    }
}

#endif // VELMORA_BUTTONICONS_H
