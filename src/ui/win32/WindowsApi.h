#pragma once
// <windows.h> as the backend uses it: the wide-character API, without the
// min and max macros or the rarely used parts. Only src/ui/win32 includes it.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
