// Stores that an earlier library made (Format 1) kept each record as
// values of a version key under the record's key (Profiles\<id>,
// Provisioned\<id>, Card\Applied), the committed one named by the key's
// Committed value. Users keep such stores, so they are converted in place,
// once, under the lock that making a store takes: each record that a list's
// order names (and the settings in effect) becomes one value, its keys and
// passwords still sealed as they were, and then its key goes. A process
// killed meanwhile leaves every record either in its key or in its value,
// and the next process to open the store converts the rest.
#pragma once

#include "registry_key.h"

// False when a record could not be written; what is converted stays so.
bool ConvertVersionedRecords(const RegistryKey& root);
