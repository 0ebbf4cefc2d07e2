/* Basic types of the host's dialog manager, which the palettes are built with. Plain C.
 * Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_TYPES_H
#define STRATA_PLATFORM_ADM_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ADMInt32;
typedef unsigned char ADMBoolean;
typedef float ADMFloat; /* numeric fields hold single precision */
typedef int32_t ADMErr;

typedef struct ADMDialogOpaque* ADMDialogRef;
typedef struct ADMItemOpaque* ADMItemRef;
typedef struct ADMListOpaque* ADMListRef;
typedef struct ADMEntryOpaque* ADMEntryRef;
typedef struct ADMNotifierOpaque* ADMNotifierRef;
typedef struct ADMPluginOpaque* ADMPluginRef;
typedef void* ADMUserData;

/* An item's rectangle in dialog coordinates. */
typedef struct ADMRect {
    ADMInt32 left;
    ADMInt32 top;
    ADMInt32 right;
    ADMInt32 bottom;
} ADMRect;

/* Dialog styles the palettes use and test. */
enum { kADMFloatingDialogStyle = 3, kADMTabbedFloatingDialogStyle = 5 };

typedef ADMErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef ADMErr (*ADMItemInitProc)(ADMItemRef item);
/* Called with the item and the notifier whenever the item has something to tell. */
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

/* Item type names. */
#define kADMTextStaticType "ADM Text Static Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMTextRadioButtonType "ADM Text Radio Button Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMFrameType "ADM Frame Type"

/* Notifier type names. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_TYPES_H */
