// A module that loads and does nothing: the loader's tests open it with and without a PiPL.
#include "platform/aegp_register_suite.h"
#include "shell/plugin_export.h"

namespace {
int counter = 0;  // each loaded copy of this module has its own
}

STRATA_PLUGIN_EXPORT A_Err KeyframerMain(SPBasicSuite*, A_long, A_long, const A_char*,
                                         const A_char*, AEGP_PluginID pluginId,
                                         AEGP_GlobalRefcon*) {
    return static_cast<A_Err>(pluginId * 1000 + ++counter);
}
