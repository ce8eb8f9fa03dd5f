#include "store_check.h"

#include <windows.h>

#include <set>

#include "driver/card_state.h"
#include "driver/names.h"
#include "driver/profile_list.h"
#include "driver/store.h"
#include "driver/store_root.h"

namespace {

// The list's own values beside its records.
bool IsListValue(const std::string& name)
{
    return name == "Order" || name == "NextId";
}

std::vector<std::string> ValueNames(const std::string& path)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof(name);
        if (RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

void CheckList(const RegistryKey& store, const char* listKey, std::vector<std::string>& faults)
{
    RegistryKey list = store.OpenChild(listKey);
    std::vector<std::string> order = ReadProfileOrder(list);
    std::set<std::string> listed;
    std::vector<std::string> names;
    for (const std::string& id : order) {
        std::string where = std::string(listKey) + "\\" + id;
        if (!listed.insert(id).second)
            faults.push_back(where + " is listed twice");
        ProfileSettings settings;
        if (!ReadProfileRecord(list, id, settings)) {
            faults.push_back(where + " does not load whole");
            continue;
        }
        std::string nameFault = NameFault(settings.name);
        if (!nameFault.empty())
            faults.push_back(where + ": the name " + nameFault);
        for (const std::string& other : names) {
            if (lstrcmpiA(other.c_str(), settings.name.c_str()) == 0)
                faults.push_back(where + ": the name \"" + settings.name + "\" is taken");
        }
        names.push_back(settings.name);
    }
    for (const std::string& value : ValueNames(list.Path())) {
        if (!IsListValue(value) && listed.count(value) == 0)
            faults.push_back(std::string(listKey) + "\\" + value + " is stored but not listed");
    }
}

}  // namespace

std::vector<std::string> StoreFaults()
{
    std::vector<std::string> faults;
    std::string refusal = StoreRefusal(StoreRootPath());
    if (!refusal.empty())
        return {refusal};
    RegistryKey store = OpenStore();
    CheckList(store, kProfilesKey, faults);
    CheckList(store, kProvisionedKey, faults);
    ProfileSettings selection;
    std::string location = ReadCardState(store).currentConfiguration;
    if (!ReadStoredProfileAt(store, location, selection))
        faults.push_back("the stored selection " + location + " does not load");
    AppliedProfile applied;
    if (!ReadAppliedProfile(store, applied))
        faults.push_back("the settings in effect do not load");
    return faults;
}
