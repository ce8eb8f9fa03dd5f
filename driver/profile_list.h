// The order and records of one configuration array in the store: a key
// (Profiles or Provisioned) with an Order value naming its profile keys.
// A profile is written whole before the order names it, and leaves the
// order before its key goes, so a crash never lists a half-made profile.
#pragma once

#include <string>
#include <vector>

#include "profile_settings.h"
#include "registry_key.h"

std::vector<std::string> ReadProfileOrder(const RegistryKey& list);
// The new profile's key name, or empty when it was not both stored and
// listed: nothing of it is then left in the store.
std::string AddStoredProfile(const RegistryKey& list, const ProfileSettings& settings);
bool RemoveStoredProfile(const RegistryKey& list, const std::string& id);
// The named mutex that processes hold while they change the list at
// `listPath`.
std::string ProfileListLockName(const std::string& listPath);
// "Profiles\<id>": where a profile lives, as the card's state names it.
std::string ProfileLocation(const char* listKey, const std::string& id);
