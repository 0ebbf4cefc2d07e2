/* The few operating-system functions the plug-ins call. On Windows they are the system's own;
 * elsewhere a small stand-in library (standin/os) provides them with the same names. */
#ifndef STRATA_PLATFORM_OS_FUNCTIONS_H
#define STRATA_PLATFORM_OS_FUNCTIONS_H

#ifdef _WIN32
#include <windows.h>
#else
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef const char* LPCSTR;
typedef struct StrataWindow* HWND;

#define MB_OK 0x00000000u
#define MB_ICONEXCLAMATION 0x00000030u
#define IDOK 1

#if defined(__GNUC__)
#define STRATA_OS_API __attribute__((visibility("default")))
#else
#define STRATA_OS_API
#endif

/* Milliseconds since the system started, wrapping at 2^32. */
STRATA_OS_API DWORD GetTickCount(void);
/* Shows a modal message box; returns the button pressed (IDOK). */
STRATA_OS_API int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
/* The window the user is working in, or null. */
STRATA_OS_API HWND GetForegroundWindow(void);

#ifdef __cplusplus
}
#endif
#endif /* _WIN32 */

#endif /* STRATA_PLATFORM_OS_FUNCTIONS_H */
