/* "AEGP Item Suite" version 7: project items. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_ITEM_SUITE_H
#define STRATA_PLATFORM_AEGP_ITEM_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPItemSuite "AEGP Item Suite"
#define kAEGPItemSuiteVersion7 7

typedef struct AEGP_ItemSuite7 {
    /* The active item, or null when none is. */
    A_Err (*AEGP_GetActiveItem)(AEGP_ItemH* itemH);
    /* Folder, composition, solid or footage. */
    A_Err (*AEGP_GetItemType)(AEGP_ItemH itemH, AEGP_ItemType* itemType);
    /* Width and height in pixels. */
    A_Err (*AEGP_GetItemDimensions)(AEGP_ItemH itemH, A_long* width, A_long* height);
    /* Pixel aspect ratio as numerator and denominator. */
    A_Err (*AEGP_GetItemPixelAspectRatio)(AEGP_ItemH itemH, A_Ratio* pixelAspect);
    /* The item's name, at most AEGP_MAX_LAYER_NAME_SIZE bytes with the terminating zero. */
    A_Err (*AEGP_GetItemName)(AEGP_ItemH itemH, A_char* name);
    /* The item's ID, unique within the project. */
    A_Err (*AEGP_GetItemID)(AEGP_ItemH itemH, A_long* itemId);
} AEGP_ItemSuite7;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_ITEM_SUITE_H */
