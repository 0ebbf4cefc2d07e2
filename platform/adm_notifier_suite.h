/* "ADM Notifier Suite" version 2: what a notification is about. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_NOTIFIER_SUITE_H
#define STRATA_PLATFORM_ADM_NOTIFIER_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion2 2

typedef struct ADMNotifierSuite2 {
    /* Whether the notifier is of the named type (for example kADMUserChangedNotifier). */
    ADMBoolean (*IsNotifierType)(ADMNotifierRef notifier, const char* type);
    /* Copies at most maxLength characters of the notifier's type name, and a zero. */
    void (*GetNotifierType)(ADMNotifierRef notifier, char* type, ADMInt32 maxLength);
} ADMNotifierSuite2;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_NOTIFIER_SUITE_H */
