#pragma once

#include <optional>
#include <string>

namespace platform::instance {

// The per-user folder of the lock file and the activation socket: $XDG_RUNTIME_DIR/kavrin/, or
// /tmp/kavrin-<uid>/ without a runtime folder. Created with mode 0700; an existing one must be a
// real folder owned by this user (its mode is narrowed to 0700), so no other user can take the
// lock or listen in place of the running instance. nullopt when that cannot be ensured.
std::optional<std::string> RuntimeFolder();

}  // namespace platform::instance
