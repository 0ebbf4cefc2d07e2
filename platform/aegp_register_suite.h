/* "AEGP Register Suite" version 4: the hooks a plug-in registers, and the entry function's
 * signature. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_REGISTER_SUITE_H
#define STRATA_PLATFORM_AEGP_REGISTER_SUITE_H

#include "platform/aegp_types.h"
#include "platform/sp_basic_suite.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPRegisterSuite "AEGP Register Suite"
#define kAEGPRegisterSuiteVersion4 4

/* Called for every menu command, before or after the host handles it; sets *handled when it
 * handled the command. */
typedef A_Err (*AEGP_CommandHook)(AEGP_GlobalRefcon pluginRefcon, AEGP_CommandRefcon refcon,
                                  AEGP_Command command, AEGP_HookPriority hookPriority,
                                  A_Boolean alreadyHandled, A_Boolean* handled);
/* Called before the host shows its menus. */
typedef A_Err (*AEGP_UpdateMenuHook)(AEGP_GlobalRefcon pluginRefcon, AEGP_UpdateMenuRefcon refcon,
                                     AEGP_WindowType activeWindow);
/* Called while the host is idle; the hook may lower *maxSleep (milliseconds). */
typedef A_Err (*AEGP_IdleHook)(AEGP_GlobalRefcon pluginRefcon, AEGP_IdleRefcon refcon,
                               A_long* maxSleep);

/* The one function a plug-in module exports, called once after loading. */
typedef A_Err (*AEGP_PluginInitFuncPrototype)(SPBasicSuite* basicSuite, A_long majorVersion,
                                              A_long minorVersion, const A_char* filePath,
                                              const A_char* resourcePath, AEGP_PluginID pluginId,
                                              AEGP_GlobalRefcon* globalRefcon);

typedef struct AEGP_RegisterSuite4 {
    /* Registers a command hook for one command, or for all when command is 0. */
    A_Err (*AEGP_RegisterCommandHook)(AEGP_PluginID pluginId, AEGP_HookPriority hookPriority,
                                      AEGP_Command command, AEGP_CommandHook hook,
                                      AEGP_CommandRefcon refcon);
    /* Registers an update-menu hook. */
    A_Err (*AEGP_RegisterUpdateMenuHook)(AEGP_PluginID pluginId, AEGP_UpdateMenuHook hook,
                                         AEGP_UpdateMenuRefcon refcon);
    /* Registers an idle hook. */
    A_Err (*AEGP_RegisterIdleHook)(AEGP_PluginID pluginId, AEGP_IdleHook hook,
                                   AEGP_IdleRefcon refcon);
} AEGP_RegisterSuite4;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_REGISTER_SUITE_H */
