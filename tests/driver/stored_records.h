// The store as the registry holds it, below the library: the records of a
// list, and records as an earlier library wrote them.
#pragma once

#include <string>
#include <vector>

#include "driver/profile_settings.h"
#include "driver/registry_key.h"

// The names of the record values in a list's key (all but its order and
// next id), sorted.
std::vector<std::string> RecordsIn(const RegistryKey& list);
// `settings`, keys and passwords already sealed, as an earlier library
// kept a record under `key`: values of a version key that Committed names.
// Returns the version key for further values.
RegistryKey WriteVersionedRecord(const RegistryKey& key, const ProfileSettings& settings);
