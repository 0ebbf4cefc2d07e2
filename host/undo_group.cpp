#include "host/undo_group.h"

namespace strata {

// The suite is acquired before the group opens, so closing it cannot fail to find the suite.
UndoGroup::UndoGroup(SuiteHandler& suites, const char* undoName) : utility_(suites.utility()) {
    utility_->AEGP_StartUndoGroup(undoName);
}

UndoGroup::~UndoGroup() {
    utility_->AEGP_EndUndoGroup();
}

}  // namespace strata
