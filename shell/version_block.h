#pragma once
// The version block every module carries beside its PiPL: file and product version, and the
// plug-in name as its description.

namespace strata {

inline constexpr const char* kModuleVersionText = "1, 5, 1, 0";
inline constexpr int kModuleVersion[4] = {1, 5, 1, 0};

}  // namespace strata
