#include "card_state.h"

#include <stdlib.h>

#include "names.h"
#include "profile_list.h"
#include "profile_record.h"
#include "secret.h"
#include "store.h"
#include "store_lock.h"

namespace {

const char kPresent[] = "Present";
const char kZeroConfig[] = "WirelessZeroConfig";
const char kForeignClaim[] = "ForeignClaimSession";
const char kRadioCapabilities[] = "RadioCapabilities";
const char kSecurityCapabilities[] = "SecurityCapabilities";
const char kNameCapacity[] = "NameCapacity";
const char kCountryCode[] = "CountryCode";
const char kDriverVersion[] = "DriverVersion";
const char kMacAddress[] = "MacAddress";

const char kRadio[] = "Radio";
const char kRadioSwitchedOff[] = "RadioSwitchedOff";
const char kCurrentConfiguration[] = "CurrentConfiguration";
const char kAdminProfileName[] = "AdminProfileName";
const char kMultipleConfigNames[] = "MultipleConfigNames";

// Held while a process changes what it read of the card's record.
const char kCardLock[] = "Card";

const char kForcedKey[] = "ForcedReadings";
const char kLinkFailure[] = "LinkFailure";

const char kWepKeyIndex[] = "WepKeyIndex";
const char kEapMethod[] = "EapMethod";
const char kUsers[] = "Users";
const char kAuthority[] = "Authority";
// The keys and passwords, sealed together: the WEP key, the pre-shared key,
// then each user's password, NUL between them.
const char kSecrets[] = "Secrets";

std::vector<std::string> SplitAtNul(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '\0')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

void ReadCredentials(const RegistryKey& key, AccessPoint& point)
{
    point.wepKeyIndex = key.ReadDword(kWepKeyIndex, point.wepKeyIndex);
    point.eapMethod = key.ReadString(kEapMethod);
    point.authority = key.ReadString(kAuthority);
    for (const std::string& name : key.ReadStrings(kUsers))
        point.users.push_back({name, std::string()});
    point.sealedSecrets = key.ReadBinary(kSecrets);
}

bool WriteCredentials(const RegistryKey& key, const AccessPoint& point)
{
    std::vector<std::string> names;
    std::string secrets = point.wepKey + '\0' + point.preSharedKey;
    bool anySecret = !point.wepKey.empty() || !point.preSharedKey.empty();
    for (const EapUser& user : point.users) {
        names.push_back(user.name);
        secrets += '\0' + user.password;
        anySecret = anySecret || !user.password.empty();
    }
    bool written = key.WriteDword(kWepKeyIndex, point.wepKeyIndex) && key.WriteString(kEapMethod, point.eapMethod) &&
                   key.WriteStrings(kUsers, names) && key.WriteString(kAuthority, point.authority);
    if (!anySecret) {
        key.DeleteValue(kSecrets);
        return written;
    }
    std::string sealed = SealSecret(secrets);
    SecureZeroMemory(&secrets[0], secrets.size());
    return written && !sealed.empty() && key.WriteBinary(kSecrets, sealed);
}


// Registry key names ignore case.
bool SameSsidKey(const std::string& ssid, const std::string& keyName)
{
    return lstrcmpiA(ssid.c_str(), keyName.c_str()) == 0;
}

AccessPoint ReadAccessPoint(const RegistryKey& key, const std::string& ssid, Secrets secrets)
{
    AccessPoint point;
    point.ssid = ssid;
    std::string band = key.ReadString("Band");
    if (band == "a" || band == "b" || band == "g")
        point.band = band[0];
    point.channel = static_cast<int>(key.ReadDword("Channel", point.channel));
    point.signal = static_cast<int>(key.ReadDword("Signal", point.signal));
    std::string security = key.ReadString("Security");
    if (!security.empty())
        point.security = security;
    std::string cipher = key.ReadString("Cipher");
    if (!cipher.empty())
        point.cipher = cipher;
    point.adHoc = key.ReadDword("AdHoc", 0) != 0;
    ReadCredentials(key, point);
    if (secrets == Secrets::Opened)
        OpenAccessPointSecrets(point);
    return point;
}

ForcedReadings ReadForcedReadings(const RegistryKey& key)
{
    ForcedReadings forced;
    for (const char* name : kForcedNumbers) {
        if (key.HasValue(name))
            forced.numbers[name] = static_cast<int>(key.ReadDword(name, 0));
    }
    forced.hasLinkName = key.HasValue(kForcedLinkName);
    forced.linkName = key.ReadString(kForcedLinkName);
    return forced;
}

bool WriteForcedReadings(const RegistryKey& simulation, const ForcedReadings& forced)
{
    if (forced.Empty()) {
        simulation.DeleteChild(kForcedKey);
        return true;
    }
    RegistryKey key = simulation.CreateChild(kForcedKey);
    bool written = true;
    for (const char* name : kForcedNumbers) {
        auto value = forced.numbers.find(name);
        if (value == forced.numbers.end())
            key.DeleteValue(name);
        else
            written = key.WriteDword(name, static_cast<DWORD>(value->second)) && written;
    }
    if (!forced.hasLinkName)
        key.DeleteValue(kForcedLinkName);
    else
        written = key.WriteString(kForcedLinkName, forced.linkName) && written;
    return written;
}

}  // namespace

const char* const kForcedNumbers[9] = {"State",  "JoinFinal",   "TxRate", "RxRate",    "Band",
                                       "Channel", "LinkQuality", "Signal", "Encryption"};
const char kForcedLinkName[] = "LinkName";
const char kAppliedLocation[] = "Profile";
const char kAppliedGeneration[] = "Generation";

DWORD AutoWirelessMode(const RegistryKey& store)
{
    const DWORD kRadioG = 0x08;
    DWORD radios = store.OpenChild(kSimulationKey).ReadDword(kRadioCapabilities, SimulatedCard().radioCapabilities);
    return (radios & kRadioG) ? 13 : 5;
}

void OpenAccessPointSecrets(AccessPoint& point)
{
    if (point.sealedSecrets.empty())
        return;
    std::vector<std::string> secrets = SplitAtNul(OpenSecret(point.sealedSecrets));
    point.sealedSecrets.clear();
    secrets.resize(2 + point.users.size());
    point.wepKey = secrets[0];
    point.preSharedKey = secrets[1];
    for (size_t i = 0; i < point.users.size(); ++i)
        point.users[i].password = secrets[2 + i];
}

SimulatedCard ReadSimulatedCard(const RegistryKey& store, Secrets secrets)
{
    SimulatedCard card;
    RegistryKey key = store.OpenChild(kSimulationKey);
    card.present = key.ReadDword(kPresent, card.present) != 0;
    card.zeroConfig = static_cast<int>(key.ReadDword(kZeroConfig, static_cast<DWORD>(card.zeroConfig)));
    card.foreignClaimSession = key.ReadDword(kForeignClaim, card.foreignClaimSession);
    card.radioCapabilities = key.ReadDword(kRadioCapabilities, card.radioCapabilities);
    card.securityCapabilities = key.ReadDword(kSecurityCapabilities, card.securityCapabilities);
    card.nameCapacity = key.ReadDword(kNameCapacity, card.nameCapacity);
    card.countryCode = key.ReadDword(kCountryCode, card.countryCode);
    card.driverVersion = key.ReadString(kDriverVersion, card.driverVersion);
    card.macAddress = key.ReadString(kMacAddress, card.macAddress);
    RegistryKey points = key.OpenChild(kAccessPointsKey);
    for (const std::string& ssid : points.ChildNames())
        card.accessPoints.push_back(ReadAccessPoint(points.OpenChild(ssid), ssid, secrets));
    card.forced = ReadForcedReadings(key.OpenChild(kForcedKey));
    return card;
}

bool ReadCardPresent(const RegistryKey& store)
{
    return store.OpenChild(kSimulationKey).ReadDword(kPresent, SimulatedCard().present) != 0;
}

int ReadZeroConfigAnswer(const RegistryKey& store)
{
    return static_cast<int>(
        store.OpenChild(kSimulationKey).ReadDword(kZeroConfig, static_cast<DWORD>(SimulatedCard().zeroConfig)));
}

bool WriteSimulatedCard(const RegistryKey& store, const SimulatedCard& card)
{
    RegistryKey key = store.CreateChild(kSimulationKey);
    bool written = key.WriteDword(kPresent, card.present) &&
                   key.WriteDword(kForeignClaim, card.foreignClaimSession) &&
                   key.WriteDword(kRadioCapabilities, card.radioCapabilities) &&
                   key.WriteDword(kSecurityCapabilities, card.securityCapabilities) &&
                   key.WriteDword(kNameCapacity, card.nameCapacity) &&
                   key.WriteDword(kCountryCode, card.countryCode) &&
                   key.WriteString(kDriverVersion, card.driverVersion) &&
                   key.WriteString(kMacAddress, card.macAddress);
    if (card.zeroConfig == kZeroConfigAskService)
        key.DeleteValue(kZeroConfig);
    else
        written = written && key.WriteDword(kZeroConfig, static_cast<DWORD>(card.zeroConfig));
    written = WriteForcedReadings(key, card.forced) && written;
    // Point by point, so that a reader never finds the radio world empty.
    for (const AccessPoint& point : card.accessPoints)
        written = WriteAccessPoint(store, point) && written;
    RegistryKey points = key.OpenChild(kAccessPointsKey);
    for (const std::string& ssid : points.ChildNames()) {
        bool kept = false;
        for (const AccessPoint& point : card.accessPoints)
            kept = kept || SameSsidKey(point.ssid, ssid);
        if (!kept)
            points.DeleteChild(ssid);
    }
    return written;
}

bool WriteAccessPoint(const RegistryKey& store, const AccessPoint& point)
{
    if (!NameFault(point.ssid).empty())
        return false;
    RegistryKey key = store.CreateChild(std::string(kSimulationKey) + "\\" + kAccessPointsKey + "\\" + point.ssid);
    return key.WriteString("Band", std::string(1, point.band)) &&
           key.WriteDword("Channel", static_cast<DWORD>(point.channel)) &&
           key.WriteDword("Signal", static_cast<DWORD>(point.signal)) && key.WriteString("Security", point.security) &&
           key.WriteString("Cipher", point.cipher) && key.WriteDword("AdHoc", point.adHoc) &&
           WriteCredentials(key, point);
}

bool RemoveAccessPoint(const RegistryKey& store, const std::string& ssid)
{
    if (!NameFault(ssid).empty())
        return false;
    return store.OpenChild(std::string(kSimulationKey) + "\\" + kAccessPointsKey).DeleteChild(ssid);
}

std::string ReadLinkFailure(const RegistryKey& store)
{
    return store.OpenChild(kCardKey).ReadString(kLinkFailure);
}

bool WriteLinkFailure(const RegistryKey& store, const std::string& failure)
{
    RegistryKey card = store.CreateChild(kCardKey);
    return failure.empty() ? card.DeleteValue(kLinkFailure) || !card.HasValue(kLinkFailure)
                           : card.WriteString(kLinkFailure, failure);
}

CardState ReadCardState(const RegistryKey& store)
{
    CardState state;
    RegistryKey key = store.OpenChild(kCardKey);
    state.radioOn = key.ReadDword(kRadio, state.radioOn) != 0;
    state.radioSwitchedOff = key.ReadDword(kRadioSwitchedOff, state.radioSwitchedOff) != 0;
    state.currentConfiguration = key.ReadString(kCurrentConfiguration);
    state.adminProfileName = key.ReadString(kAdminProfileName);
    state.multipleConfigNames = key.ReadStrings(kMultipleConfigNames);
    return state;
}

bool WriteCardState(const RegistryKey& store, const CardState& state)
{
    RegistryKey key = store.CreateChild(kCardKey);
    return key.WriteDword(kRadio, state.radioOn) && key.WriteDword(kRadioSwitchedOff, state.radioSwitchedOff) &&
           key.WriteString(kCurrentConfiguration, state.currentConfiguration) &&
           key.WriteString(kAdminProfileName, state.adminProfileName) &&
           key.WriteStrings(kMultipleConfigNames, state.multipleConfigNames);
}

bool UpdateCardState(const RegistryKey& store, const std::function<bool(CardState& state)>& change)
{
    StoreLock lock(kCardLock, store);
    if (!lock.Held())
        return false;
    CardState state = ReadCardState(store);
    return !change(state) || WriteCardState(store, state);
}

bool RestartCard(const RegistryKey& store)
{
    ProfileSettings selection;
    std::string location;
    bool selected = false;
    bool written = UpdateCardState(store, [&](CardState& state) {
        location = state.currentConfiguration;
        if (!ReadStoredProfileAt(store, location, selection)) {
            std::vector<std::string> order = ReadProfileOrder(store.OpenChild(kProfilesKey));
            if (order.empty())
                return false;
            location = ProfileLocation(kProfilesKey, order.front());
            if (!ReadStoredProfileAt(store, location, selection))
                return false;
        }
        state.currentConfiguration = location;
        state.radioOn = !state.radioSwitchedOff;
        selected = true;
        return true;
    });
    return written && selected && WriteAppliedProfile(store, selection, location);
}

bool ReadAppliedProfile(const RegistryKey& store, AppliedProfile& applied, Secrets secrets)
{
    AppliedProfile read;
    RecordTexts texts;
    if (!ReadProfileRecord(store.OpenChild(kCardKey), kAppliedKey, read.settings, secrets, &texts))
        return false;
    read.location = texts[kAppliedLocation];
    read.generation = strtoul(texts[kAppliedGeneration].c_str(), nullptr, 10);
    applied = read;
    return true;
}

bool WriteAppliedProfile(const RegistryKey& store, const ProfileSettings& settings, const std::string& location)
{
    StoreLock lock(kCardLock, store);  // two Applies at once raise the generation twice
    if (!lock.Held())
        return false;
    RegistryKey card = store.CreateChild(kCardKey);
    AppliedProfile before;
    DWORD generation = ReadAppliedProfile(store, before, Secrets::Sealed) ? before.generation + 1 : 1;
    RecordTexts texts = {{kAppliedLocation, location}, {kAppliedGeneration, std::to_string(generation)}};
    return WriteProfileRecord(card, kAppliedKey, settings, Secrets::Opened, texts);
}
