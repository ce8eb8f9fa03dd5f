#include "bench_stores.h"

#include <windows.h>

#include <cstdio>

#include "driver/profile_list.h"
#include "driver/store.h"
#include "driver/store_root.h"

namespace {

const char kBenchRoot[] = "Software\\Vyr\\Bench\\";

std::string Use(const std::string& name)
{
    std::string path = kBenchRoot + name;
    SetEnvironmentVariableA(kStoreVariable, path.c_str());
    return path;
}

ProfileSettings BenchProfile(int number)
{
    char name[32];
    std::snprintf(name, sizeof(name), "Bench %05d", number);
    ProfileSettings settings;
    settings.name = name;
    settings.networkName1 = "VyrLink";
    settings.enableSecurity = 1;
    settings.wpa = 1;
    settings.eapSelection = 7;
    settings.passphrase = std::string("bench passphrase ") + name;
    settings.passphraseLength = static_cast<DWORD>(settings.passphrase.size());
    settings.leapUserPasswd = "bench password";
    return settings;
}

}  // namespace

void UseFreshStore(const std::string& name)
{
    DeleteRegistryTree(Use(name));
    OpenStore();
}

bool UseProfileStore(int profiles)
{
    std::string path = Use("Profiles" + std::to_string(profiles));
    RegistryKey list = OpenStore().OpenChild(kProfilesKey);
    if (static_cast<int>(ReadProfileOrder(list).size()) == profiles)
        return true;
    std::fprintf(stderr, "writing a store of %d profiles at HKCU\\%s (kept for later runs)\n", profiles,
                 path.c_str());
    DeleteRegistryTree(path);
    list = OpenStore().OpenChild(kProfilesKey);
    for (int number = 1; number < profiles; ++number) {
        if (AddStoredProfile(list, BenchProfile(number)).empty())
            return false;
    }
    return static_cast<int>(ReadProfileOrder(list).size()) == profiles;
}

std::string BenchNewName(int number)
{
    return "BenchNew" + std::to_string(number);
}
