// The card's one adapter: both configuration arrays, read from the store
// when the configurator is made, and the stored selection.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "80211api.h"
#include "profile.h"
#include "registry_key.h"

class ProfileArray : public CAdapterConfigArray {
public:
    int GetCount() const override;
    CAdapterConfig* GetAt(int index) const override;

    void Add(Profile* profile) { profiles_.push_back(profile); }
    bool Remove(const Profile* profile);
    bool Contains(const CAdapterConfig* config) const;
    const std::vector<Profile*>& Profiles() const { return profiles_; }

private:
    std::vector<Profile*> profiles_;
};

class Adapter : public CDriverAdapter {
public:
    // Reads the profiles of the store at `rootPath`, which it keeps using.
    explicit Adapter(std::string rootPath);
    ~Adapter() override = default;

    const std::string& RootPath() const { return rootPath_; }
    RegistryKey OpenStore() const;

    CAdapterConfigArray* GetConfigurations() override { return &own_; }
    CAdapterConfigArray* GetSecondConfigurations() override { return &provisioned_; }
    CAdapterConfig* GetCurrentConfiguration() override;
    BOOL SetCurrentConfiguration(CAdapterConfig* config) override;
    CAdapterConfig* AddConfiguration(const std::string& name) override;
    BOOL DeleteConfiguration(CAdapterConfig* config) override;
    BOOL DeleteMultipleConfig(CAdapterConfig* config) override;

    // For the profiles: names are unique across both arrays, ignoring case.
    bool IsNameTaken(const std::string& name, const Profile* except) const;
    // A live profile's name changed from `before` to `after`; an empty
    // `after`: the profile is gone.
    void NameChanged(const std::string& before, const std::string& after);
    // Writes the member list of multiple configuration `set` from the
    // profiles that belong to it now.
    bool RecordMultipleConfig(const std::string& set) const;

private:
    // The profile that `config` points to, when it is one of ours and alive;
    // never dereferences a stranger.
    Profile* Find(CAdapterConfig* config) const;
    BOOL Delete(Profile* profile);
    void Load(const RegistryKey& store, const char* listKey, ProfileArray& array);
    Profile* Keep(std::unique_ptr<Profile> profile, ProfileArray& array);

    // How many live profiles have each name, by a key that compares as the
    // names do ignoring case; looked up in logarithmic time.
    std::map<std::string, int> names_;
    std::string rootPath_;
    std::vector<std::unique_ptr<Profile>> profiles_;  // deleted ones too
    ProfileArray own_;
    ProfileArray provisioned_;
};

// Profiles whose names begin with `set` followed by "_".
bool BelongsToMultipleConfig(const std::string& profileName, const std::string& set);
// Whether the calling user may write what all users share.
bool IsCallerAdministrator();
