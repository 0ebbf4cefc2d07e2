#include "standin/modules/plugin_module.h"

#include <gtest/gtest.h>

namespace strata::standin {
namespace {

const std::filesystem::path kFixtures = STRATA_FIXTURE_DIR;

TEST(PluginModule, OpensAModuleAndFindsTheEntryItsPiplNames) {
    const auto module = PluginModule::open(kFixtures / "Fixture Good.so");
    EXPECT_EQ(module->pipl().name, "Fixture Good");
    EXPECT_EQ(module->exportedSymbols(), std::vector<std::string>{"KeyframerMain"});
    ASSERT_NE(module->entry(), nullptr);
    EXPECT_EQ(module->entry()(nullptr, 0, 0, "", "", 7, nullptr), 7001);
}

TEST(PluginModule, TwoModulesFromOneSourceKeepSeparateGlobals) {
    const auto good = PluginModule::open(kFixtures / "Fixture Good.so");
    const auto twin = PluginModule::open(kFixtures / "Fixture Twin.so");
    EXPECT_EQ(good->entry()(nullptr, 0, 0, "", "", 1, nullptr), 1001);
    EXPECT_EQ(good->entry()(nullptr, 0, 0, "", "", 1, nullptr), 1002);
    EXPECT_EQ(twin->entry()(nullptr, 0, 0, "", "", 2, nullptr), 2001);
}

TEST(PluginModule, RefusesBrokenModulesWithMessagesNamingTheFile) {
    struct Case {
        const char* file;
        const char* error;
    };
    const Case cases[] = {
        {"Missing.so", "there is no such file"},
        {"not-a-module.so", "not an ELF file"},
        {"Fixture No PiPL.so", "it has no PiPL"},
        {"Fixture No Entry.so", "does not export the entry point 'KeyframerMain'"},
    };
    for (const Case& c : cases) {
        try {
            PluginModule::open(kFixtures / c.file);
            ADD_FAILURE() << c.file << " was opened";
        } catch (const ModuleError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.file), std::string::npos) << message;
            EXPECT_NE(message.find(c.error), std::string::npos) << message;
        }
    }
}

}  // namespace
}  // namespace strata::standin
