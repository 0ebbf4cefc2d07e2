/* "ADM List Suite" version 3: a popup's entries. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_LIST_SUITE_H
#define STRATA_PLATFORM_ADM_LIST_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion3 3

typedef struct ADMListSuite3 {
    /* A new empty entry at the index; later entries move up one. */
    ADMEntryRef (*InsertEntry)(ADMListRef list, ADMInt32 index);
    /* Removes the entry at the index. */
    void (*RemoveEntry)(ADMListRef list, ADMInt32 index);
    /* The entry at the index, or null. */
    ADMEntryRef (*IndexEntry)(ADMListRef list, ADMInt32 index);
    /* The number of entries. */
    ADMInt32 (*NumberOfEntries)(ADMListRef list);
    /* The selected entry, or null. */
    ADMEntryRef (*GetActiveEntry)(ADMListRef list);
    /* Selects the first entry whose text is exactly the text; no change when none is. */
    void (*SelectByText)(ADMListRef list, const char* text);
} ADMListSuite3;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_LIST_SUITE_H */
