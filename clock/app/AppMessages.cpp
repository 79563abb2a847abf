// The registered window messages, registered by name during static initialisation.
#include "AppMessages.h"

const UINT WM_VMRINIT = ::RegisterWindowMessageA("VMRINIT");
const UINT WM_VMFADE = ::RegisterWindowMessageA("VMFade");
const UINT WM_VERSIONCHECKFINI = ::RegisterWindowMessageA("VelmoraVersionCheckFini");
const UINT WM_CLOCKRESET = ::RegisterWindowMessageA("CLOCKRESET");
