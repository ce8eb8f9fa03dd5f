#include "isolated_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/store.h"

const char kVariable[] = "VYR80211_STORE";

IsolatedStore::IsolatedStore(const std::string& second)
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    path_ = "Software\\VyrTests\\" + std::string(test ? test->test_suite_name() : "none") + "." +
            (test ? test->name() : "none") + (second.empty() ? "" : "." + second);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    SetEnvironmentVariableA(kVariable, path_.c_str());
    ResetStore();
}

IsolatedStore::~IsolatedStore()
{
    SetEnvironmentVariableA(kVariable, nullptr);
    // The check of the hive files looks for what a test stored.
    if (!GetEnvironmentVariableA("VYR_TEST_KEEP_STORES", nullptr, 0))
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

void IsolatedStore::SetSimulation(const char* name, DWORD value)
{
    std::string key = path_ + "\\Simulation";
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof(value));
}

void IsolatedStore::SetMultipleConfigNames(const std::vector<std::string>& names)
{
    RegistryKey store = OpenStore();
    CardState state = ReadCardState(store);
    state.multipleConfigNames = names;
    WriteCardState(store, state);
}

void IsolatedStore::StoreProfiles(const std::vector<std::string>& own, const std::vector<std::string>& provisioned)
{
    RegistryKey store = OpenStore();
    RegistryKey profiles = store.OpenChild(kProfilesKey);
    for (const std::string& id : ReadProfileOrder(profiles))
        RemoveStoredProfile(profiles, id);
    bool hasDefault = std::find(own.begin(), own.end(), "Default") != own.end();
    std::string selection = hasDefault ? "Default" : own.front();
    CardState state = ReadCardState(store);
    for (const std::string& name : own) {
        ProfileSettings settings;
        settings.name = name;
        std::string location = ProfileLocation(kProfilesKey, AddStoredProfile(profiles, settings));
        if (name == selection) {
            state.currentConfiguration = location;
            WriteAppliedProfile(store, settings, location);
        }
    }
    WriteCardState(store, state);
    for (const std::string& name : provisioned) {
        ProfileSettings settings;
        settings.name = name;
        AddStoredProfile(store.CreateChild(kProvisionedKey), settings);
    }
}
