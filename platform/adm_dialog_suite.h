/* "ADM Dialog Suite" version 8: floating dialogs. Our own declarations. */
#ifndef STRATA_PLATFORM_ADM_DIALOG_SUITE_H
#define STRATA_PLATFORM_ADM_DIALOG_SUITE_H

#include "platform/adm_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion8 8

typedef struct ADMDialogSuite8 {
    /* A new dialog, hidden; null when it cannot be made. */
    ADMDialogRef (*Create)(ADMPluginRef pluginRef, const char* name, ADMInt32 dialogId,
                           ADMInt32 style, ADMDialogInitProc initProc, ADMUserData userData,
                           ADMInt32 options);
    /* Shows (true) or hides (false) the dialog. */
    void (*Show)(ADMDialogRef dialog, ADMBoolean show);
    /* Whether the dialog is shown. */
    ADMBoolean (*IsVisible)(ADMDialogRef dialog);
    /* Activates (true) or deactivates (false) the dialog. */
    void (*Activate)(ADMDialogRef dialog, ADMBoolean activate);
    /* Whether the dialog is the active one. */
    ADMBoolean (*IsActive)(ADMDialogRef dialog);
    /* Moves the dialog's top-left corner to (x, y) screen pixels. */
    void (*Move)(ADMDialogRef dialog, ADMInt32 x, ADMInt32 y);
    /* Sets the dialog's width and height. */
    void (*Size)(ADMDialogRef dialog, ADMInt32 width, ADMInt32 height);
    /* Sets the dialog's title. */
    void (*SetText)(ADMDialogRef dialog, const char* text);
    /* The dialog's style number. */
    ADMInt32 (*GetStyle)(ADMDialogRef dialog);
    /* Asks the host to redraw the dialog. */
    void (*Update)(ADMDialogRef dialog);
} ADMDialogSuite8;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_ADM_DIALOG_SUITE_H */
