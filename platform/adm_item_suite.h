/* "ADM Item Suite" version 8: the controls of a dialog. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_ITEM_SUITE_H
#define STRATA_PLATFORM_ADM_ITEM_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion8 8

typedef struct ADMItemSuite8 {
    /* A new item of the named type in the dialog; null when it cannot be made. */
    ADMItemRef (*Create)(ADMDialogRef dialog, ADMInt32 itemId, const char* itemType,
                         const ADMRect* bounds, ADMItemInitProc initProc, ADMUserData userData,
                         ADMInt32 options);
    /* Sets the procedure called with the item's notifications. */
    void (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc notifyProc);
    /* The dialog manager's own handling of a notification. */
    void (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
    /* The identifier the item was created with. */
    ADMInt32 (*GetID)(ADMItemRef item);
    /* A popup's entry list, or null for other items. */
    ADMListRef (*GetList)(ADMItemRef item);
    /* Enables (true) or disables (false) the item. */
    void (*Enable)(ADMItemRef item, ADMBoolean enable);
    /* Whether the item is enabled. */
    ADMBoolean (*IsEnabled)(ADMItemRef item);
    /* Makes the item the active one (true) or not. */
    void (*Activate)(ADMItemRef item, ADMBoolean activate);
    /* Whether the item is the active one. */
    ADMBoolean (*IsActive)(ADMItemRef item);
    /* Sets the item's text. */
    void (*SetText)(ADMItemRef item, const char* text);
    /* Copies at most maxLength characters of the item's text, and a terminating zero. */
    void (*GetText)(ADMItemRef item, char* text, ADMInt32 maxLength);
    /* The number of decimal places a numeric item shows. */
    void (*SetPrecision)(ADMItemRef item, ADMInt32 places);
    /* Sets a check box's or radio button's state. */
    void (*SetBooleanValue)(ADMItemRef item, ADMBoolean value);
    /* A check box's or radio button's state. */
    ADMBoolean (*GetBooleanValue)(ADMItemRef item);
    /* Sets a numeric item's value; its text shows the value with its decimal places. */
    void (*SetFloatValue)(ADMItemRef item, ADMFloat value);
    /* A numeric item's value. */
    ADMFloat (*GetFloatValue)(ADMItemRef item);
    /* The step of a numeric item's small and large increments. */
    void (*SetSmallIncrement)(ADMItemRef item, ADMFloat increment);
    void (*SetLargeIncrement)(ADMItemRef item, ADMFloat increment);
} ADMItemSuite8;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_ITEM_SUITE_H */
