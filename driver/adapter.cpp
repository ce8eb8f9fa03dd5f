#include "adapter.h"

#include <algorithm>

#include "card_snapshot.h"
#include "card_state.h"
#include "names.h"
#include "profile_list.h"
#include "profile_record.h"
#include "store.h"

namespace {

const char kDefaultName[] = "Default";

// A sort key ignoring case: two names have equal keys exactly when
// CompareString ignoring case finds them equal.
std::string NameKey(const std::string& name)
{
    const DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int size = LCMapStringA(LOCALE_SYSTEM_DEFAULT, kFlags, name.c_str(), -1, nullptr, 0);
    std::string key(size > 0 ? size : 0, '\0');
    if (size > 0)
        LCMapStringA(LOCALE_SYSTEM_DEFAULT, kFlags, name.c_str(), -1, &key[0], size);
    return key;
}

}  // namespace

int ProfileArray::GetCount() const
{
    return static_cast<int>(profiles_.size());
}

CAdapterConfig* ProfileArray::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? profiles_[index] : nullptr;
}

bool ProfileArray::Remove(const Profile* profile)
{
    auto found = std::find(profiles_.begin(), profiles_.end(), profile);
    if (found == profiles_.end())
        return false;
    profiles_.erase(found);
    return true;
}

bool ProfileArray::Contains(const CAdapterConfig* config) const
{
    return std::find(profiles_.begin(), profiles_.end(), config) != profiles_.end();
}

Adapter::Adapter(std::string rootPath) : rootPath_(std::move(rootPath))
{
    RegistryKey store = OpenStore();
    Load(store, kProfilesKey, own_);
    Load(store, kProvisionedKey, provisioned_);
}

RegistryKey Adapter::OpenStore() const
{
    return ::OpenStore(rootPath_);
}

void Adapter::Load(const RegistryKey& store, const char* listKey, ProfileArray& array)
{
    RegistryKey list = store.OpenChild(listKey);
    for (const std::string& id : ReadProfileOrder(list)) {
        ProfileSettings settings;
        // Keys and passwords are opened when a caller first asks for them.
        if (!ReadProfileRecord(list, id, settings, Secrets::Sealed))
            continue;  // listed but unreadable: damaged by hand, not by us
        Keep(std::make_unique<Profile>(*this, listKey, id, settings, Secrets::Sealed), array);
    }
}

Profile* Adapter::Keep(std::unique_ptr<Profile> profile, ProfileArray& array)
{
    ++names_[NameKey(profile->Name())];
    profiles_.push_back(std::move(profile));
    array.Add(profiles_.back().get());
    return profiles_.back().get();
}

Profile* Adapter::Find(CAdapterConfig* config) const
{
    if (!own_.Contains(config) && !provisioned_.Contains(config))
        return nullptr;
    return static_cast<Profile*>(config);
}

CAdapterConfig* Adapter::GetCurrentConfiguration()
{
    std::string location = CurrentCardSnapshot()->state.currentConfiguration;
    for (Profile* profile : own_.Profiles()) {
        if (profile->Location() == location)
            return profile;
    }
    for (Profile* profile : provisioned_.Profiles()) {
        if (profile->Location() == location)
            return profile;
    }
    return own_.GetAt(0);
}

BOOL Adapter::SetCurrentConfiguration(CAdapterConfig* config)
{
    Profile* profile = Find(config);
    if (!profile || profile->IsClosedToCaller())
        return FALSE;
    return UpdateCardState(OpenStore(), [&](CardState& state) {
        state.currentConfiguration = profile->Location();
        return true;
    });
}

CAdapterConfig* Adapter::AddConfiguration(const std::string& name)
{
    if (!NameFault(name).empty() || IsNameTaken(name, nullptr))
        return nullptr;
    RegistryKey store = OpenStore();
    ProfileSettings settings;
    settings.name = name;
    settings.wirelessMode = AutoWirelessMode(store);
    std::string id = AddStoredProfile(store.OpenChild(kProfilesKey), settings);
    if (id.empty())
        return nullptr;
    return Keep(std::make_unique<Profile>(*this, kProfilesKey, id, settings, Secrets::Opened), own_);
}

BOOL Adapter::Delete(Profile* profile)
{
    bool provisioned = profile->IsProvisioned();
    if (profile->Name() == kDefaultName || (!provisioned && own_.GetCount() == 1) || profile->IsClosedToCaller())
        return FALSE;
    RegistryKey store = OpenStore();
    const char* listKey = provisioned ? kProvisionedKey : kProfilesKey;
    std::string location = profile->Location();
    std::string id = location.substr(location.find('\\') + 1);
    if (!RemoveStoredProfile(store.OpenChild(listKey), id))
        return FALSE;
    profile->MarkDeleted();
    NameChanged(profile->Name(), std::string());
    (provisioned ? provisioned_ : own_).Remove(profile);
    // The first own profile takes a deleted selection's place; a store
    // damaged by hand may have none left.
    Profile* first = static_cast<Profile*>(own_.GetAt(0));
    UpdateCardState(store, [&](CardState& state) {
        if (state.currentConfiguration != location || !first)
            return false;
        state.currentConfiguration = first->Location();
        return true;
    });
    return TRUE;
}

BOOL Adapter::DeleteConfiguration(CAdapterConfig* config)
{
    Profile* profile = Find(config);
    return profile && Delete(profile);
}

BOOL Adapter::DeleteMultipleConfig(CAdapterConfig* config)
{
    Profile* profile = Find(config);
    if (!profile)
        return FALSE;
    std::string set;
    for (const std::string& name : CurrentCardSnapshot()->state.multipleConfigNames) {
        if (BelongsToMultipleConfig(profile->Name(), name)) {
            set = name;
            break;
        }
    }
    if (set.empty() || !Delete(profile))
        return FALSE;
    return RecordMultipleConfig(set);
}

bool Adapter::IsNameTaken(const std::string& name, const Profile* except) const
{
    std::string key = NameKey(name);
    auto found = names_.find(key);
    int holders = found == names_.end() ? 0 : found->second;
    if (except && !except->IsDeleted() && NameKey(except->Name()) == key)
        --holders;
    return holders > 0;
}

void Adapter::NameChanged(const std::string& before, const std::string& after)
{
    auto found = names_.find(NameKey(before));
    if (found != names_.end() && --found->second == 0)
        names_.erase(found);
    if (!after.empty())
        ++names_[NameKey(after)];
}

bool Adapter::RecordMultipleConfig(const std::string& set) const
{
    std::vector<std::string> members;
    for (const std::unique_ptr<Profile>& profile : profiles_) {
        if (!profile->IsDeleted() && BelongsToMultipleConfig(profile->Name(), set))
            members.push_back(profile->Name());
    }
    RegistryKey sets = OpenStore().CreateChild(std::string(kCardKey) + "\\" + kMultipleConfigsKey);
    return sets.CreateChild(set).WriteStrings(kMembersValue, members);
}

bool BelongsToMultipleConfig(const std::string& profileName, const std::string& set)
{
    return !set.empty() && profileName.compare(0, set.size() + 1, set + "_") == 0;
}

bool IsCallerAdministrator()
{
    // On the Windows 95 family nothing keeps users apart, and Windows NT
    // 4.0's advapi32 cannot tell.
    if (GetVersion() & 0x80000000u)
        return true;
    typedef BOOL(WINAPI * CheckMembership)(HANDLE, PSID, PBOOL);
    CheckMembership check = reinterpret_cast<CheckMembership>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "CheckTokenMembership")));
    if (!check)
        return true;
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, &administrators))
        return true;
    BOOL member = FALSE;
    BOOL checked = check(nullptr, administrators, &member);
    FreeSid(administrators);
    return !checked || member;
}
