#include "host/suite_handler.h"

#include "host/host_errors.h"

namespace strata {

namespace {

struct SuiteName {
    const char* name;
    int32_t version;
};

// Name and version of each slot, in the slots' order.
constexpr SuiteName kSuiteNames[] = {
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion10},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion7},
    {kAEGPCompSuite, kAEGPCompSuiteVersion9},
    {kAEGPRegisterSuite, kAEGPRegisterSuiteVersion4},
    {kAEGPItemSuite, kAEGPItemSuiteVersion7},
    {kAEGPCommandSuite, kAEGPCommandSuiteVersion1},
    {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion7},
    {kAEGPCollectionSuite, kAEGPCollectionSuiteVersion2},
    {kADMDialogSuite, kADMDialogSuiteVersion8},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion3},
    {kADMItemSuite, kADMItemSuiteVersion8},
    {kADMListSuite, kADMListSuiteVersion3},
    {kADMEntrySuite, kADMEntrySuiteVersion5},
    {kADMNotifierSuite, kADMNotifierSuiteVersion2},
};

}  // namespace

SuiteHandler::SuiteHandler(const SPBasicSuite* basicSuite) : basicSuite_(basicSuite) {
    if (basicSuite_ == nullptr) throw SuiteError("basic suite");
}

SuiteHandler::~SuiteHandler() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (suites_[slot] == nullptr) continue;
        const SuiteName& s = kSuiteNames[slot];
        basicSuite_->ReleaseSuite(s.name, s.version);  // a failed release is ignored
    }
}

const void* SuiteHandler::acquire(Slot slot) {
    if (suites_[slot] != nullptr) return suites_[slot];
    const SuiteName& s = kSuiteNames[slot];
    const void* suite = nullptr;
    const SPErr err = basicSuite_->AcquireSuite(s.name, s.version, &suite);
    if (err != kSPNoError || suite == nullptr) {
        throw SuiteError(std::string(s.name) + " " + std::to_string(s.version));
    }
    suites_[slot] = suite;
    return suite;
}

}  // namespace strata
