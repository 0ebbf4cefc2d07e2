#pragma once
// The plug-in property list (PiPL) that tells the host what a module is: an AEGP, its name,
// its category, the interface version and the name of its entry function. The same bytes go
// into the Windows resource "PIPL" 16000 and, on Linux, into the ELF section ".pipl".

#include <cstdint>
#include <string_view>
#include <vector>

namespace strata {

inline constexpr const char* kPiplEntryPoint = "KeyframerMain";
inline constexpr const char* kPiplCategory = "General Plugin";
inline constexpr std::uint32_t kPiplVersion = 3 * 65536;

// The PiPL bytes of a plug-in with this name (at most 255 bytes; throws std::length_error).
std::vector<std::uint8_t> buildPipl(std::string_view pluginName);

}  // namespace strata
