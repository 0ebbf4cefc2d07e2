/* "AEGP Comp Suite" version 9: compositions and their selection. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_COMP_SUITE_H
#define STRATA_PLATFORM_AEGP_COMP_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPCompSuite "AEGP Comp Suite"
#define kAEGPCompSuiteVersion9 9

typedef struct AEGP_CompSuite9 {
    /* The composition of a composition item. */
    A_Err (*AEGP_GetCompFromItem)(AEGP_ItemH itemH, AEGP_CompH* compH);
    /* The item of a composition. */
    A_Err (*AEGP_GetItemFromComp)(AEGP_CompH compH, AEGP_ItemH* itemH);
    /* A new collection holding the composition's selection in selection order; dispose of it
     * with the Collection suite. */
    A_Err (*AEGP_GetNewCollectionFromCompSelection)(AEGP_PluginID pluginId, AEGP_CompH compH,
                                                    AEGP_Collection2H* collectionH);
    /* The composition's frame rate in frames per second. */
    A_Err (*AEGP_GetCompFramerate)(AEGP_CompH compH, A_FpLong* fps);
} AEGP_CompSuite9;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_COMP_SUITE_H */
