#pragma once

// The Windows API for the few places that call it (registry, files, module path, folders).
// Only the kernel, registry and shell-folder parts are wanted: the window and drawing parts
// would bring macros named like the class library's own operations (SendMessage,
// MessageBox, GetObject, ...) into every file that sees the registry's declarations.
#ifndef _WIN32
#error "Win32Api.h is for Windows builds only"
#endif

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
// The dialogs need the window and drawing parts of the API in every file that sees
// them; platform/ui/UiApiWin32.h then takes back the colliding macros.
#ifndef CADDORA_WIN32_UI
#ifndef NOGDI
#define NOGDI
#endif
#ifndef NOUSER
#define NOUSER
#endif
#endif
#ifndef NOSERVICE
#define NOSERVICE
#endif
#ifndef NOMCX
#define NOMCX
#endif
#ifndef NOIME
#define NOIME
#endif

#include <windows.h>

// Names the kernel headers still turn into macros that collide with members of our own
// classes (CString::LoadString, COleDateTime::GetCurrentTime). Undefined here so that a
// file may include the class library's headers before or after this one. Code that wants
// the API functions themselves names the wide form (LoadStringW, GetTickCount).
#undef LoadString
#undef GetCurrentTime
