// Bitmaps through the clipboard: a copy of the clipboard's bitmap (CF_BITMAP, else a packed
// CF_DIB) that the caller owns, a bitmap put on the clipboard, and the packed-DIB reader behind them.
#ifndef VELMORA_AFXCLIPBOARDBITMAP_H
#define VELMORA_AFXCLIPBOARDBITMAP_H

#include "afx.h"
#include "AfxTypes.h"

// TRUE when the clipboard offers a bitmap in either form.
BOOL AFXAPI AfxIsClipboardBitmapAvailable();

// A screen-compatible copy of the clipboard's bitmap, opened for hWndOwner; the caller deletes it.
// NULL when the clipboard cannot be opened, holds no bitmap, or holds a damaged one.
HBITMAP AFXAPI AfxGetClipboardBitmap(HWND hWndOwner);

// Empties the clipboard, opened for hWndOwner, and gives it a screen-compatible copy of the
// bitmap as CF_BITMAP. FALSE when any step failed; the caller's bitmap is never taken.
BOOL AFXAPI AfxSetClipboardBitmap(HWND hWndOwner, HBITMAP hbm);

// A 32-bit bitmap of the pixels of a packed DIB (header, colour table or masks, bits) of cbSize
// bytes; NULL for a header, a colour table or bits that do not fit the size, a compression other
// than none or bit fields, or a depth that DIBs do not have.
HBITMAP AFXAPI AfxBitmapFromPackedDIB(const void* pDIB, SIZE_T cbSize);

#endif // VELMORA_AFXCLIPBOARDBITMAP_H
