#pragma once
// One tool run is one undo step: the group opened here is closed on every path out of the
// scope, errors included, so the host is never left with an open group.

#include "host/suite_handler.h"

namespace strata {

class UndoGroup {
  public:
    // Opens the group; the host's result is not examined.
    UndoGroup(SuiteHandler& suites, const char* undoName);
    // Closes it.
    ~UndoGroup();
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

  private:
    const AEGP_UtilitySuite7* utility_;
};

}  // namespace strata
