// One profile's settings under a key of the store, written so that a
// process killed while writing leaves the previous record or the new one:
// each record goes to a fresh version subkey, and one value naming the
// committed version switches readers over in a single registry write.
#pragma once

#include <functional>

#include "profile_settings.h"
#include "registry_key.h"

// How a read hands over keys and passwords: opened, or still sealed for a
// reader that opens them only when they are asked for (or never needs them).
enum class Secrets { Opened, Sealed };

// False when the key holds no committed record, or when no whole version
// could be read while other processes kept replacing it; `settings` then
// keeps what it had. `extra` reads further values of the same version.
bool ReadProfileRecord(const RegistryKey& key, ProfileSettings& settings,
                       const std::function<void(const RegistryKey& version)>& extra = nullptr,
                       Secrets secrets = Secrets::Opened);
// `extra` writes further values into the same version, committed with it.
bool WriteProfileRecord(const RegistryKey& key, const ProfileSettings& settings,
                        const std::function<void(const RegistryKey& version)>& extra = nullptr);
// The committed version's key, for values written by `extra`.
RegistryKey OpenCommittedVersion(const RegistryKey& key);
