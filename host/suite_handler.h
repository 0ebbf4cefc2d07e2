#pragma once
// Acquire late, release at scope end: every host entry builds its own SuiteHandler from the
// stored basic suite, acquires each suite on first use and gives them all back when the
// handler goes out of scope, also when an error unwinds the call.

#include <array>

#include "platform/adm_dialog_group_suite.h"
#include "platform/adm_dialog_suite.h"
#include "platform/adm_entry_suite.h"
#include "platform/adm_item_suite.h"
#include "platform/adm_list_suite.h"
#include "platform/adm_notifier_suite.h"
#include "platform/aegp_collection_suite.h"
#include "platform/aegp_command_suite.h"
#include "platform/aegp_comp_suite.h"
#include "platform/aegp_item_suite.h"
#include "platform/aegp_layer_suite.h"
#include "platform/aegp_register_suite.h"
#include "platform/aegp_stream_suite.h"
#include "platform/aegp_utility_suite.h"
#include "platform/sp_basic_suite.h"

namespace strata {

class SuiteHandler {
  public:
    // Raises SuiteError when basicSuite is null.
    explicit SuiteHandler(const SPBasicSuite* basicSuite);
    ~SuiteHandler();
    SuiteHandler(const SuiteHandler&) = delete;
    SuiteHandler& operator=(const SuiteHandler&) = delete;

    // Each accessor acquires its suite on first use and raises SuiteError when the host has
    // no such suite; it never returns null.
    const AEGP_LayerSuite10* layer() { return get<AEGP_LayerSuite10>(kLayer); }
    const AEGP_StreamSuite7* stream() { return get<AEGP_StreamSuite7>(kStream); }
    const AEGP_CompSuite9* comp() { return get<AEGP_CompSuite9>(kComp); }
    const AEGP_RegisterSuite4* registration() { return get<AEGP_RegisterSuite4>(kRegister); }
    const AEGP_ItemSuite7* item() { return get<AEGP_ItemSuite7>(kItem); }
    const AEGP_CommandSuite1* command() { return get<AEGP_CommandSuite1>(kCommand); }
    const AEGP_UtilitySuite7* utility() { return get<AEGP_UtilitySuite7>(kUtility); }
    const AEGP_CollectionSuite2* collection() { return get<AEGP_CollectionSuite2>(kCollection); }
    const ADMDialogSuite8* dialog() { return get<ADMDialogSuite8>(kDialog); }
    const ADMDialogGroupSuite3* dialogGroup() { return get<ADMDialogGroupSuite3>(kDialogGroup); }
    const ADMItemSuite8* admItem() { return get<ADMItemSuite8>(kAdmItem); }
    const ADMListSuite3* list() { return get<ADMListSuite3>(kList); }
    const ADMEntrySuite5* entry() { return get<ADMEntrySuite5>(kEntry); }
    const ADMNotifierSuite2* notifier() { return get<ADMNotifierSuite2>(kNotifier); }

    const SPBasicSuite* basicSuite() const { return basicSuite_; }

  private:
    // Slots in release order.
    enum Slot {
        kLayer,
        kStream,
        kComp,
        kRegister,
        kItem,
        kCommand,
        kUtility,
        kCollection,
        kDialog,
        kDialogGroup,
        kAdmItem,
        kList,
        kEntry,
        kNotifier,
        kSlotCount
    };

    template <typename Suite>
    const Suite* get(Slot slot) {
        return static_cast<const Suite*>(acquire(slot));
    }
    const void* acquire(Slot slot);

    const SPBasicSuite* basicSuite_;
    std::array<const void*, kSlotCount> suites_{};
};

}  // namespace strata
