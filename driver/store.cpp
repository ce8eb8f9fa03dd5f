#include "store.h"

#include "card_state.h"
#include "profile_list.h"
#include "store_conversion.h"
#include "store_lock.h"
#include "store_root.h"

const char kProfilesKey[] = "Profiles";
const char kProvisionedKey[] = "Provisioned";
const char kCardKey[] = "Card";
const char kAppliedKey[] = "Applied";
const char kSimulationKey[] = "Simulation";
const char kAccessPointsKey[] = "AccessPoints";
const char kMultipleConfigsKey[] = "MultipleConfigs";
const char kMembersValue[] = "Members";
const char kFormatValue[] = "Format";

namespace {

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
    // A network that only its pass phrase opens, for trying the keys.
    AccessPoint secure;
    secure.ssid = "VyrSecure";
    secure.band = 'g';
    secure.channel = 11;
    secure.signal = 62;
    secure.security = "wpa-psk";
    secure.cipher = "aes";
    secure.preSharedKey = "vyrsecurehome";
    card.accessPoints.push_back(secure);

    ProfileSettings profile = DefaultProfile();
    std::string id = AddStoredProfile(root.CreateChild(kProfilesKey), profile);
    if (id.empty())
        return false;
    root.CreateChild(kProvisionedKey);
    CardState state;
    state.currentConfiguration = ProfileLocation(kProfilesKey, id);
    return WriteSimulatedCard(root, card) && WriteCardState(root, state) &&
           WriteAppliedProfile(root, profile, state.currentConfiguration);
}

// Marked before it is emptied and after it is filled, so that a process
// killed in between leaves a store still known as the library's own.
bool Make(const RegistryKey& root)
{
    if (!root.WriteDword(kFormatValue, kStoreBeingMade))
        return false;
    for (const std::string& child : root.ChildNames())
        root.DeleteChild(child);
    return FillWithDefault(root) && root.WriteDword(kFormatValue, kStoreMade);
}

bool NeedsMaking(const RegistryKey& root)
{
    return !root.HasValue(kFormatValue) || root.ReadDword(kFormatValue, 0) == kStoreBeingMade;
}

// Marked as made only once every record is converted, so that a process
// killed while converting leaves a store that is converted again.
bool NeedsConverting(const RegistryKey& root)
{
    return root.ReadDword(kFormatValue, 0) == kVersionedStore;
}

std::string KeyName(const std::string& rootPath)
{
    return "HKEY_CURRENT_USER\\" + rootPath;
}

// The root this process opened last. While it still holds the mark of a
// made store it needs no other check: a key deleted, emptied by hand or
// given another format since fails the mark and is checked in full.
class KnownRoot {
public:
    KnownRoot() { InitializeCriticalSection(&lock_); }

    RegistryKey Reopen(const std::string& rootPath)
    {
        EnterCriticalSection(&lock_);
        RegistryKey root;
        if (root_.IsOpen() && root_.Path() == rootPath && root_.ReadDword(kFormatValue, 0) == kStoreMade)
            root = root_.Duplicate();
        LeaveCriticalSection(&lock_);
        return root;
    }

    void Remember(const RegistryKey& root)
    {
        EnterCriticalSection(&lock_);
        root_ = root.Duplicate();
        LeaveCriticalSection(&lock_);
    }

private:
    CRITICAL_SECTION lock_;  // the applet asks the service on a thread of its own
    RegistryKey root_;
};

KnownRoot& Known()
{
    static KnownRoot known;
    return known;
}

}  // namespace

RegistryKey OpenStore()
{
    return OpenStore(StoreRootPath());
}

std::string StoreRefusal(const std::string& rootPath)
{
    if (rootPath.size() > kLongestStoreRootPath)
        return std::string(kStoreVariable) + " holds " + std::to_string(rootPath.size()) + " characters, at most " +
               std::to_string(kLongestStoreRootPath) + " name a store";
    RegistryKey root = RegistryKey::Open(rootPath);
    if (!root.IsOpen())
        return "";  // absent: made when first opened
    if (!root.HasValue(kFormatValue))
        return root.IsEmpty() ? ""
                              : KeyName(rootPath) +
                                    " holds values or keys but no Format value, so it is not a store of the card";
    DWORD format = root.ReadDword(kFormatValue, 0);
    if (format != kStoreMade && format != kStoreBeingMade && format != kVersionedStore)
        return KeyName(rootPath) + " holds a store of format " + std::to_string(format) + ", not " +
               std::to_string(kStoreMade);
    return "";
}

RegistryKey OpenStore(const std::string& rootPath)
{
    RegistryKey known = Known().Reopen(rootPath);
    if (known.IsOpen())
        return known;
    // A store made before, as every process but its first finds it, needs
    // no other check.
    RegistryKey made = rootPath.size() <= kLongestStoreRootPath ? RegistryKey::Open(rootPath) : RegistryKey();
    if (made.ReadDword(kFormatValue, 0) == kStoreMade) {
        Known().Remember(made);
        return made;
    }
    if (!StoreRefusal(rootPath).empty())
        return RegistryKey();
    RegistryKey root = RegistryKey::Create(rootPath);
    if (root.IsOpen() && (NeedsMaking(root) || NeedsConverting(root))) {
        // Asked again under the lock: another process may have made it
        // meanwhile, and making it twice at once leaves two of everything.
        StoreLock making("Make", root);
        if (!making.Held())
            return RegistryKey();
        if (NeedsMaking(root))
            Make(root);
        else if (NeedsConverting(root) && ConvertVersionedRecords(root))
            root.WriteDword(kFormatValue, kStoreMade);
    }
    if (root.ReadDword(kFormatValue, 0) == kStoreMade)
        Known().Remember(root);
    return root;
}

bool ResetStore()
{
    std::string rootPath = StoreRootPath();
    if (!StoreRefusal(rootPath).empty())
        return false;
    RegistryKey root = RegistryKey::Create(rootPath);
    if (!root.IsOpen())
        return false;
    StoreLock making("Make", root);
    return making.Held() && Make(root);
}
