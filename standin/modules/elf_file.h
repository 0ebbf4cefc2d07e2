#pragma once
// Just enough of an ELF64 reader for the module loader: a named section's bytes and the
// dynamic symbols a shared object defines. Every offset is checked against the file's size.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strata::standin {

class ElfFile {
  public:
    // Parses the headers; error() says what is wrong when the bytes are not a usable ELF64 file.
    explicit ElfFile(std::vector<std::uint8_t> bytes);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // The bytes of the first section with this name, or nothing when there is none.
    std::optional<std::vector<std::uint8_t>> section(const std::string& name) const;
    // The names of the global and weak symbols the file defines in its dynamic symbol table.
    std::vector<std::string> exportedSymbols() const;

  private:
    struct Section {
        std::string name;
        std::uint32_t type = 0;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
        std::uint32_t link = 0;
    };

    bool inFile(std::uint64_t offset, std::uint64_t size) const;
    void readSections();

    std::vector<std::uint8_t> bytes_;
    std::vector<Section> sections_;
    std::string error_;
};

}  // namespace strata::standin
