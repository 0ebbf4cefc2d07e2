#pragma once
// The two errors of the host boundary. Neither is caught inside the plug-ins: each leaves the
// host entry in which it was raised, where the entry's firewall turns it into the host's result.

#include <stdexcept>
#include <string>

#include "platform/aegp_types.h"

namespace strata {

// A suite the host could not supply in the version asked for.
class SuiteError : public std::runtime_error {
  public:
    static constexpr A_Err kCode = 512;

    explicit SuiteError(const std::string& suiteName)
        : std::runtime_error("suite not available: " + suiteName) {}
    A_Err code() const { return kCode; }
};

// A guarded host call that failed; carries the host's error code.
class HostError : public std::runtime_error {
  public:
    HostError(const char* operation, A_Err code)
        : std::runtime_error(std::string(operation) + " failed with host error " +
                             std::to_string(code)),
          code_(code) {}
    A_Err code() const { return code_; }

  private:
    A_Err code_;
};

// A guarded call: a non-zero host result raises HostError.
inline void checkHost(A_Err err, const char* operation) {
    if (err != A_Err_NONE) throw HostError(operation, err);
}

}  // namespace strata
