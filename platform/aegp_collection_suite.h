/* "AEGP Collection Suite" version 2: reading a selection collection. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_COLLECTION_SUITE_H
#define STRATA_PLATFORM_AEGP_COLLECTION_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPCollectionSuite "AEGP Collection Suite"
#define kAEGPCollectionSuiteVersion2 2

/* What one collection item is. */
typedef A_long AEGP_CollectionItemType;
enum {
    AEGP_CollectionItemType_NONE = 0,
    AEGP_CollectionItemType_LAYER = 1,
    AEGP_CollectionItemType_MASK = 2,
    AEGP_CollectionItemType_EFFECT = 3,
    AEGP_CollectionItemType_STREAM = 4,
    AEGP_CollectionItemType_KEYFRAME = 5
};

/* One selected thing: its type, the layer it belongs to and, for masks and effects, its
 * index on that layer. */
typedef struct AEGP_CollectionItemV2 {
    AEGP_CollectionItemType type;
    AEGP_LayerH layerH;
    A_long index;
    AEGP_StreamRefH streamRefH;
} AEGP_CollectionItemV2;

typedef struct AEGP_CollectionSuite2 {
    /* The number of items. */
    A_Err (*AEGP_GetCollectionNumItems)(AEGP_Collection2H collectionH, A_u_long* numItems);
    /* The item at a 0-based index. */
    A_Err (*AEGP_GetCollectionItemByIndex)(AEGP_Collection2H collectionH, A_u_long index,
                                           AEGP_CollectionItemV2* item);
    /* Releases the collection. */
    A_Err (*AEGP_DisposeCollection)(AEGP_Collection2H collectionH);
} AEGP_CollectionSuite2;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_COLLECTION_SUITE_H */
