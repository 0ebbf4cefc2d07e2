/* "AEGP Command Suite" version 1: menu commands. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_COMMAND_SUITE_H
#define STRATA_PLATFORM_AEGP_COMMAND_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPCommandSuite "AEGP Command Suite"
#define kAEGPCommandSuiteVersion1 1

typedef struct AEGP_CommandSuite1 {
    /* A command value no one else has. */
    A_Err (*AEGP_GetUniqueCommand)(AEGP_Command* command);
    /* Adds a menu entry for the command to a menu; position AEGP_MENU_INSERT_SORTED keeps the
     * menu sorted by name. */
    A_Err (*AEGP_InsertMenuCommand)(AEGP_Command command, const A_char* name, AEGP_MenuID menuId,
                                    A_long afterItem);
    /* Removes the command's menu entry. */
    A_Err (*AEGP_RemoveMenuCommand)(AEGP_Command command);
    /* Enables the command's menu entry. */
    A_Err (*AEGP_EnableCommand)(AEGP_Command command);
    /* Greys out the command's menu entry. */
    A_Err (*AEGP_DisableCommand)(AEGP_Command command);
    /* Shows or clears the check mark of the command's menu entry. */
    A_Err (*AEGP_CheckMarkMenuCommand)(AEGP_Command command, A_Boolean check);
} AEGP_CommandSuite1;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_COMMAND_SUITE_H */
