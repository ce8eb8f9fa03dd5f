#include "store.h"

#include "card_state.h"
#include "profile_list.h"
#include "store_root.h"

const char kProfilesKey[] = "Profiles";
const char kProvisionedKey[] = "Provisioned";
const char kCardKey[] = "Card";
const char kAppliedKey[] = "Applied";
const char kSimulationKey[] = "Simulation";
const char kAccessPointsKey[] = "AccessPoints";
const char kMultipleConfigsKey[] = "MultipleConfigs";
const char kMembersValue[] = "Members";

namespace {

// Written last when a store is made: a store without it is made again.
const char kFormat[] = "Format";
const DWORD kFormatVersion = 1;

ProfileSettings DefaultProfile()
{
    ProfileSettings settings;
    settings.name = "Default";
    return settings;  // any access-point network, no security, full power
}

bool FillWithDefault(const RegistryKey& root)
{
    SimulatedCard card;
    AccessPoint home;
    home.ssid = "VyrLink";
    home.band = 'g';
    home.channel = 6;
    home.signal = 74;
    card.accessPoints.push_back(home);

    ProfileSettings profile = DefaultProfile();
    std::string id = AddStoredProfile(root.CreateChild(kProfilesKey), profile);
    if (id.empty())
        return false;
    root.CreateChild(kProvisionedKey);
    CardState state;
    state.currentConfiguration = ProfileLocation(kProfilesKey, id);
    return WriteSimulatedCard(root, card) && WriteCardState(root, state) &&
           WriteAppliedProfile(root, profile, state.currentConfiguration) && root.WriteDword(kFormat, kFormatVersion);
}

void Empty(const RegistryKey& root)
{
    for (const std::string& child : root.ChildNames())
        root.DeleteChild(child);
    root.DeleteValue(kFormat);
}

}  // namespace

RegistryKey OpenStore()
{
    return OpenStore(StoreRootPath());
}

RegistryKey OpenStore(const std::string& rootPath)
{
    RegistryKey root = RegistryKey::Create(rootPath);
    // Only a store that was never finished is made again: what a store of
    // another format holds is not ours to throw away.
    if (root.IsOpen() && !root.HasValue(kFormat)) {
        Empty(root);
        FillWithDefault(root);
    }
    return root;
}

bool ResetStore()
{
    RegistryKey root = RegistryKey::Create(StoreRootPath());
    if (!root.IsOpen())
        return false;
    Empty(root);
    return FillWithDefault(root);
}
