/* "AEGP Layer Suite" version 10: the layers of a composition. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_LAYER_SUITE_H
#define STRATA_PLATFORM_AEGP_LAYER_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPLayerSuite "AEGP Layer Suite"
#define kAEGPLayerSuiteVersion10 10

typedef struct AEGP_LayerSuite10 {
    /* The active layer of the active composition, or null. */
    A_Err (*AEGP_GetActiveLayer)(AEGP_LayerH* layerH);
    /* The number of layers of a composition. */
    A_Err (*AEGP_GetCompNumLayers)(AEGP_CompH compH, A_long* numLayers);
    /* The layer at a 0-based index of a composition. */
    A_Err (*AEGP_GetCompLayerByIndex)(AEGP_CompH compH, A_long layerIndex, AEGP_LayerH* layerH);
    /* The layer's own name and its source's name, each at most AEGP_MAX_LAYER_NAME_SIZE bytes
     * with the terminating zero; the own name is empty when the user gave none. */
    A_Err (*AEGP_GetLayerName)(AEGP_LayerH layerH, A_char* layerName, A_char* sourceName);
    /* The item the layer is made from, or null (cameras, lights, text). */
    A_Err (*AEGP_GetLayerSourceItem)(AEGP_LayerH layerH, AEGP_ItemH* sourceItemH);
    /* The layer's 0-based index in its composition. */
    A_Err (*AEGP_GetLayerIndex)(AEGP_LayerH layerH, A_long* layerIndex);
    /* AV, light, camera or text. */
    A_Err (*AEGP_GetLayerObjectType)(AEGP_LayerH layerH, AEGP_ObjectType* objectType);
    /* Whether the layer's 3D switch is on. */
    A_Err (*AEGP_IsLayer3D)(AEGP_LayerH layerH, A_Boolean* is3D);
    /* The layer's ID, unique within its composition. */
    A_Err (*AEGP_GetLayerID)(AEGP_LayerH layerH, AEGP_LayerIDVal* layerId);
    /* The composition's current time as the layer sees it. */
    A_Err (*AEGP_GetLayerCurrentTime)(AEGP_LayerH layerH, AEGP_LTimeMode timeMode,
                                      A_Time* currentTime);
    /* The layer-to-world matrix at a composition time, in composition space. */
    A_Err (*AEGP_GetLayerToWorldXform)(AEGP_LayerH layerH, const A_Time* compTime,
                                       A_Matrix4* transform);
    /* All the layer's flags. */
    A_Err (*AEGP_GetLayerFlags)(AEGP_LayerH layerH, AEGP_LayerFlags* flags);
    /* Turns one flag on or off; an undoable change. */
    A_Err (*AEGP_SetLayerFlag)(AEGP_LayerH layerH, AEGP_LayerFlags singleFlag, A_Boolean value);
    /* The layer's parent, or null. */
    A_Err (*AEGP_GetLayerParent)(AEGP_LayerH layerH, AEGP_LayerH* parentH);
} AEGP_LayerSuite10;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_LAYER_SUITE_H */
