#include "standin/modules/plugin_module.h"

#include <dlfcn.h>

#include <fstream>
#include <iterator>

#include "standin/modules/elf_file.h"

namespace strata::standin {

namespace {

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& why) {
    throw ModuleError("cannot load plug-in module '" + path.string() + "': " + why);
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(path, "the file cannot be opened");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::unique_ptr<PluginModule> PluginModule::open(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) refuse(path, "there is no such file");
    const ElfFile elf(readFile(path));
    if (!elf.ok()) refuse(path, elf.error());
    const auto piplBytes = elf.section(".pipl");
    if (!piplBytes) refuse(path, "it has no PiPL (no section .pipl)");
    PiplReadResult pipl = readPipl(*piplBytes);
    if (!pipl.info) refuse(path, pipl.error);

    std::unique_ptr<PluginModule> module(new PluginModule());
    module->path_ = path;
    module->pipl_ = *pipl.info;
    module->exports_ = elf.exportedSymbols();
    module->library_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module->library_ == nullptr) refuse(path, dlerror());
    void* entry = dlsym(module->library_, module->pipl_.entryPoint.c_str());
    if (entry == nullptr) {
        refuse(path, "it does not export the entry point '" + module->pipl_.entryPoint +
                         "' that its PiPL names");
    }
    module->entry_ = reinterpret_cast<AEGP_PluginInitFuncPrototype>(entry);
    return module;
}

PluginModule::~PluginModule() {
    if (library_ != nullptr) dlclose(library_);
}

}  // namespace strata::standin
