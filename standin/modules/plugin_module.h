#pragma once
// A plug-in module as the host opens it: the file is read, its PiPL found and checked, the
// library loaded and the entry point the PiPL names looked up. Closing unloads the library.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/aegp_register_suite.h"
#include "standin/modules/pipl_reader.h"

namespace strata::standin {

// A module the host refuses; the message names the file and what was wrong.
class ModuleError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PluginModule {
  public:
    // Throws ModuleError when the file is missing, is no shared object, has no valid PiPL of
    // kind AEGP, or lacks the entry point its PiPL names.
    static std::unique_ptr<PluginModule> open(const std::filesystem::path& path);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const PiplInfo& pipl() const { return pipl_; }
    AEGP_PluginInitFuncPrototype entry() const { return entry_; }
    // The symbols the module exports.
    const std::vector<std::string>& exportedSymbols() const { return exports_; }

  private:
    PluginModule() = default;

    std::filesystem::path path_;
    PiplInfo pipl_;
    std::vector<std::string> exports_;
    void* library_ = nullptr;
    AEGP_PluginInitFuncPrototype entry_ = nullptr;
};

}  // namespace strata::standin
