#include "stored_profiles.h"

#include <windows.h>

#include "driver/profile_list.h"
#include "driver/profile_record.h"
#include "driver/store.h"

std::string StoredProfile::Location() const
{
    return ProfileLocation(listKey, id);
}

std::vector<StoredProfile> ReadStoredProfiles(const RegistryKey& store, const char* listKey)
{
    std::vector<StoredProfile> profiles;
    RegistryKey list = store.OpenChild(listKey);
    for (const std::string& id : ReadProfileOrder(list)) {
        StoredProfile profile{listKey, id, ProfileSettings(), ProfileSettings()};
        if (!ReadProfileRecord(list, id, profile.sealed, Secrets::Sealed))
            continue;
        profile.settings = profile.sealed;
        OpenRecordSecrets(profile.settings);
        profiles.push_back(profile);
    }
    return profiles;
}

std::vector<StoredProfile> ReadAllStoredProfiles(const RegistryKey& store)
{
    std::vector<StoredProfile> profiles = ReadStoredProfiles(store, kProfilesKey);
    std::vector<StoredProfile> provisioned = ReadStoredProfiles(store, kProvisionedKey);
    profiles.insert(profiles.end(), provisioned.begin(), provisioned.end());
    return profiles;
}

const StoredProfile* FindStoredProfile(const std::vector<StoredProfile>& profiles, const std::string& location)
{
    for (const StoredProfile& profile : profiles) {
        if (profile.Location() == location)
            return &profile;
    }
    return nullptr;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}
