// The store below the library: the records of a list, and records as an
// earlier library wrote them.
#pragma once

#include <string>
#include <vector>

#include "driver/profile_settings.h"
#include "driver/registry_key.h"

// The names of a list key's values but its order and next id, sorted.
std::vector<std::string> RecordsIn(const RegistryKey& list);
// `settings`, secrets already sealed, as values of a version key under
// `key` that Committed names; the version key, for further values.
RegistryKey WriteVersionedRecord(const RegistryKey& key, const ProfileSettings& settings);
