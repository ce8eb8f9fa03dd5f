// The order and records of one configuration array in the store: a key
// (Profiles or Provisioned) with an Order value naming its profiles' ids
// and, beside it, each profile's record as one value named by its id (see
// profile_record.h). A profile is written whole before the order names it,
// and leaves the order before its record goes, so a crash never lists a
// half-made profile.
#pragma once

#include <string>
#include <vector>

#include "profile_record.h"
#include "profile_settings.h"
#include "registry_key.h"

std::vector<std::string> ReadProfileOrder(const RegistryKey& list);
// The new profile's id, or empty when it was not both stored and listed:
// nothing of it is then listed.
std::string AddStoredProfile(const RegistryKey& list, const ProfileSettings& settings);
bool RemoveStoredProfile(const RegistryKey& list, const std::string& id);
// Replaces a stored profile's record; false when another process removed
// the profile, which this never brings back.
bool RewriteStoredProfile(const RegistryKey& list, const std::string& id, const ProfileSettings& settings,
                          Secrets secrets);
// The record at `location` ("Profiles\<id>").
bool ReadStoredProfileAt(const RegistryKey& store, const std::string& location, ProfileSettings& settings);
// The named mutex that processes hold while they change the list at
// `listPath`.
std::string ProfileListLockName(const std::string& listPath);
// "Profiles\<id>": where a profile lives, as the card's state names it.
std::string ProfileLocation(const char* listKey, const std::string& id);
