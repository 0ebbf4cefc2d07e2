/* "ADM Dialog Group Suite" version 3: palette groups. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_DIALOG_GROUP_SUITE_H
#define STRATA_PLATFORM_ADM_DIALOG_GROUP_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion3 3

typedef struct ADMDialogGroupSuite3 {
    /* Puts the dialog into the named palette group at a position code. */
    ADMErr (*SetDialogGroupInfo)(ADMDialogRef dialog, const char* groupName,
                                 ADMInt32 positionCode);
} ADMDialogGroupSuite3;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_DIALOG_GROUP_SUITE_H */
