// Calling-convention and linkage decorations shared by the framework's headers.
#ifndef VELMORA_AFXDEFS_H
#define VELMORA_AFXDEFS_H

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_DATADEF
#define AFX_DATADEF
#endif
#ifndef AFX_CORE_DATA
#define AFX_CORE_DATA
#endif
#ifndef AFX_OLE_DATA
#define AFX_OLE_DATA
#endif
#ifndef AFX_COMDAT
#define AFX_COMDAT
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef AFX_EXT_CLASS
#define AFX_EXT_CLASS
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif
#ifndef AFX_STATIC_DATA
#define AFX_STATIC_DATA static
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef _AFX_INLINE
#define _AFX_INLINE inline
#endif

#endif // VELMORA_AFXDEFS_H
