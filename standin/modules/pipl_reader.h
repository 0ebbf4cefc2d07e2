#pragma once
// The host's reading of a module's plug-in property list (PiPL). Written independently of the
// plug-ins' builder, so that a fault in one is caught by the other.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strata::standin {

struct PiplInfo {
    std::string kind;  // four characters as written, for example "AEgx"
    std::string name;
    std::string category;
    std::uint32_t version = 0;
    std::string entryPoint;  // the Windows x86-64 entry point's name
};

// The fields of a PiPL, or an error message saying what is wrong with the bytes.
struct PiplReadResult {
    std::optional<PiplInfo> info;
    std::string error;
};

PiplReadResult readPipl(const std::vector<std::uint8_t>& bytes);

// The kind code of a general plug-in.
inline constexpr const char* kAegpKind = "AEgx";

}  // namespace strata::standin
