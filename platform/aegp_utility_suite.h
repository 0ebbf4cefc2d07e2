/* "AEGP Utility Suite" version 7: alerts and undo groups. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_UTILITY_SUITE_H
#define STRATA_PLATFORM_AEGP_UTILITY_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion7 7

typedef struct AEGP_UtilitySuite7 {
    /* Shows an alert with the text. */
    A_Err (*AEGP_ReportInfo)(AEGP_PluginID pluginId, const A_char* info);
    /* Opens an undo group: every change until the matching end is one undo step with this
     * name. Groups nest; the outermost names the step. */
    A_Err (*AEGP_StartUndoGroup)(const A_char* undoName);
    /* Closes the innermost open undo group. */
    A_Err (*AEGP_EndUndoGroup)(void);
} AEGP_UtilitySuite7;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_UTILITY_SUITE_H */
