/* "ADM Entry Suite" version 5: one popup entry. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_ENTRY_SUITE_H
#define STRATA_PLATFORM_ADM_ENTRY_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion5 5

typedef struct ADMEntrySuite5 {
    /* Sets the entry's text. */
    void (*SetText)(ADMEntryRef entry, const char* text);
    /* Copies at most maxLength characters of the entry's text, and a terminating zero. */
    void (*GetText)(ADMEntryRef entry, char* text, ADMInt32 maxLength);
    /* Selects the entry (true), or clears the selection when it is the selected one. */
    void (*Select)(ADMEntryRef entry, ADMBoolean select);
    /* Whether the entry is the selected one. */
    ADMBoolean (*IsSelected)(ADMEntryRef entry);
    /* Makes the entry a separator line (true) or an ordinary entry. */
    void (*MakeSeparator)(ADMEntryRef entry, ADMBoolean separator);
    /* The entry's index in its list. */
    ADMInt32 (*GetIndex)(ADMEntryRef entry);
} ADMEntrySuite5;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_ENTRY_SUITE_H */
