#pragma once
// Qt warns at every start when XDG_RUNTIME_DIR is not set (under xvfb-run,
// over SSH, in a container) and falls back to a shared name in /tmp. The
// program gives it a private folder of its own instead.

#include <string>

namespace orvalde {

// A folder only this user can enter (mode 0700), under `base`: the same one
// at every start while it stays safely ours, otherwise a fresh one. Empty
// when none could be made.
std::string PrivateRuntimeDir(const std::string& base);

}  // namespace orvalde
