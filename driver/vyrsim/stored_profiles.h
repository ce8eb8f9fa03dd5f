// The profiles of both configuration arrays as the store holds them, read
// with the core rather than through the library's objects.
#pragma once

#include <string>
#include <vector>

#include "driver/profile_settings.h"
#include "driver/registry_key.h"

struct StoredProfile {
    const char* listKey;  // kProfilesKey or kProvisionedKey
    std::string id;
    ProfileSettings settings;
    ProfileSettings sealed;  // the same, keys and passwords as stored

    std::string Location() const;
};

// One array in its order. Listed records that cannot be read are left out,
// as the library leaves them out.
std::vector<StoredProfile> ReadStoredProfiles(const RegistryKey& store, const char* listKey);
// The user's own profiles, then the provisioned ones.
std::vector<StoredProfile> ReadAllStoredProfiles(const RegistryKey& store);
// The profile stored at `location` ("Profiles\P1"); null when none is.
const StoredProfile* FindStoredProfile(const std::vector<StoredProfile>& profiles, const std::string& location);
// Profile names are compared as the library compares them.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
