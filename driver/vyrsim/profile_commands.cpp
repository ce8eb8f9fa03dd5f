// profiles, provision and unprovision: the stored profiles of both arrays,
// read and written with the core as the library stores them.
#include <cstdio>
#include <cstring>

#include "card_report.h"
#include "commands.h"
#include "driver/card_state.h"
#include "driver/pre_shared_key.h"
#include "driver/profile_list.h"
#include "driver/profile_record.h"
#include "driver/store.h"
#include "key_text.h"
#include "output.h"
#include "store_access.h"
#include "stored_profiles.h"

namespace {

struct Meaning {
    const char* field;
    DWORD value;
    const char* text;
};

// What the numbers of a few settings stand for, as 80211api.h defines them.
const Meaning kMeanings[] = {
    {"NetworkType", 0, "peer to peer"},   {"NetworkType", 1, "access point"},
    {"AdHocStartBand", 0, "802.11b"},     {"AdHocStartBand", 1, "802.11a"},
    {"AdHocStartBand", 3, "802.11g"},     {"AdHocStartBand", 4, "802.11b"},
    {"EapSelection", 0, "none"},          {"EapSelection", 1, "LEAP"},
    {"EapSelection", 2, "PEAP (GTC)"},    {"EapSelection", 3, "PEAP"},
    {"EapSelection", 4, "TLS"},           {"EapSelection", 5, "TTLS"},
    {"EapSelection", 6, "no choice"},     {"EapSelection", 7, "static keys"},
    {"WEPEncryptType", 0, "hexadecimal"}, {"TransmitPower", 0, "full"},
    {"TransmitPower", 4, "lowest"},       {"PowerSaving", 0, "off"},
    {"PowerSaving", 1, "maximum"},        {"PowerSaving", 2, "normal"},
    {"PowerSaving", 3, "off"},
};

const char* const kKeyLengths[] = {"64-bit", "128-bit", "152-bit", "not set"};

std::string NumberText(const SettingField& field, DWORD value)
{
    std::string text = std::to_string(value);
    if (strcmp(field.name, "WirelessMode") == 0)
        return text + " (" + BandsText(value) + ")";
    std::string name = field.name;
    if (name.compare(0, 9, "SharedKey") == 0 && name.size() > 9 && name.compare(name.size() - 6, 6, "Length") == 0)
        return value < 4 ? text + " (" + kKeyLengths[value] + ")" : text;
    for (const Meaning& meaning : kMeanings) {
        if (strcmp(meaning.field, field.name) == 0 && meaning.value == value)
            return text + " (" + meaning.text + ")";
    }
    return text;
}

// A secret as stored: sealed bytes that may not open for this user.
std::string SecretText(const SettingField& field, const StoredProfile& profile, bool showSecrets)
{
    const std::string& clear = profile.settings.*field.text;
    bool sealed = !(profile.sealed.*field.text).empty();
    if (sealed && clear.empty())
        return "(sealed; cannot be opened)";
    if (clear.empty())
        return "(none)";
    return showSecrets ? clear : kMask;
}

void PrintProfile(const StoredProfile& profile, const CardState& state,
                  const AppliedProfile* applied, bool showSecrets)
{
    std::string marks;
    if (profile.Location() == state.currentConfiguration)
        marks += " [stored selection]";
    if (applied && applied->location == profile.Location())
        marks += SameSettings(applied->settings, profile.settings) ? " [in effect]" : " [in effect, not as stored]";
    printf("  %s (%s)%s\n", profile.settings.name.c_str(), profile.Location().c_str(), marks.c_str());
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        std::string value;
        switch (field.kind) {
        case SettingKind::Number:
            value = NumberText(field, profile.settings.*field.number);
            break;
        case SettingKind::Text:
            value = OrNone(profile.settings.*field.text);
            break;
        case SettingKind::Secret:
            value = SecretText(field, profile, showSecrets);
            break;
        }
        PrintField(field.name, value, 4);
    }
}

std::string TakeProfileName(Arguments& args)
{
    std::string name = args.Take("NAME");
    CheckName(args, name, "the profile's name");
    return name;
}

// The settings `provision` asks for; defaults otherwise.
ProfileSettings ProvisionedSettings(const Arguments& args, const std::string& name)
{
    ProfileSettings settings;
    settings.name = name;
    if (args.Has("--ssid")) {
        settings.networkName1 = args.Value("--ssid");
        CheckName(args, settings.networkName1, "--ssid");
    }
    if (args.Has("--adhoc")) {
        if (settings.networkName1.empty())
            args.Usage("a peer-to-peer profile needs --ssid");
        settings.networkType = 0;
    }
    std::string security =
        args.Has("--security") ? ParseChoice(args, args.Value("--security"), {"open", "wep", "wpa-psk"}, "--security")
                               : "open";
    if (security == "open") {
        if (args.Has("--key"))
            args.Usage("--key applies to --security wep and wpa-psk");
        return settings;
    }
    if (!args.Has("--key"))
        args.Usage("--security " + security + " needs --key");
    const std::string& key = args.Value("--key");
    settings.enableSecurity = 1;
    settings.eapSelection = 7;
    if (security == "wep") {
        int index = WepKeyLengthIndex(key);
        if (index < 0)
            args.Usage(kWepKeyRule);
        settings.sharedKey1 = key;
        settings.sharedKey1Length = static_cast<DWORD>(index);
        settings.defaultKey = 1;
        settings.wepEncryptType = 0;
        return settings;
    }
    if (!IsPreSharedKeyText(key))
        args.Usage(kPreSharedKeyRule);
    bool hex = IsHexPreSharedKey(key);
    settings.wpa = 1;
    settings.passphrase = key;
    settings.passphraseLength = static_cast<DWORD>(key.size());
    settings.hexEntryPp = hex;
    return settings;
}

}  // namespace

int RunProfiles(Arguments& args)
{
    args.ParseOptions({{"--show-secrets", false}});
    args.ExpectNoMore();
    bool showSecrets = args.Has("--show-secrets");
    RegistryKey store = OpenCardStore();
    CardState state = ReadCardState(store);
    AppliedProfile applied;
    bool hasApplied = ReadAppliedProfile(store, applied);
    const char* lists[][2] = {{kProfilesKey, "User profiles"}, {kProvisionedKey, "Provisioned profiles"}};
    for (const auto& list : lists) {
        PrintHeading(list[1]);
        std::vector<StoredProfile> profiles = ReadStoredProfiles(store, list[0]);
        if (profiles.empty())
            printf("  (none)\n");
        for (const StoredProfile& profile : profiles)
            PrintProfile(profile, state, hasApplied ? &applied : nullptr, showSecrets);
    }
    return 0;
}

int RunProvision(Arguments& args)
{
    args.ParseOptions({{"--ssid", true}, {"--security", true}, {"--key", true}, {"--adhoc", false}});
    std::string name = TakeProfileName(args);
    args.ExpectNoMore();
    ProfileSettings settings = ProvisionedSettings(args, name);

    RegistryKey store = OpenCardStore();
    for (const StoredProfile& profile : ReadAllStoredProfiles(store)) {
        if (SameNameIgnoringCase(profile.settings.name, name))
            throw Failure{"a profile called " + Quoted(profile.settings.name) + " exists already (" +
                          profile.Location() + ")"};
    }
    settings.wirelessMode = AutoWirelessMode(store);
    std::string id = AddStoredProfile(store.CreateChild(kProvisionedKey), settings);
    Require(!id.empty(), "store provisioned profile " + Quoted(name));
    printf("Provisioned %s (%s). The applet shows it when it next opens.\n", name.c_str(),
           ProfileLocation(kProvisionedKey, id).c_str());
    return 0;
}

int RunUnprovision(Arguments& args)
{
    args.ParseOptions({});
    std::string name = TakeProfileName(args);
    args.ExpectNoMore();

    RegistryKey store = OpenCardStore();
    const StoredProfile* found = nullptr;
    std::vector<StoredProfile> provisioned = ReadStoredProfiles(store, kProvisionedKey);
    for (const StoredProfile& profile : provisioned) {
        if (SameNameIgnoringCase(profile.settings.name, name))
            found = &profile;
    }
    if (!found) {
        for (const StoredProfile& profile : ReadStoredProfiles(store, kProfilesKey)) {
            if (SameNameIgnoringCase(profile.settings.name, name))
                throw Failure{Quoted(profile.settings.name) + " is one of the user's own profiles, not a provisioned one"};
        }
        throw Failure{"no provisioned profile is called " + Quoted(name)};
    }
    Require(RemoveStoredProfile(store.OpenChild(kProvisionedKey), found->id),
            "remove provisioned profile " + Quoted(found->settings.name));
    std::vector<StoredProfile> own = ReadStoredProfiles(store, kProfilesKey);
    if (!own.empty()) {
        bool written = UpdateCardState(store, [&](CardState& state) {
            if (state.currentConfiguration != found->Location())
                return false;
            state.currentConfiguration = own.front().Location();
            return true;
        });
        Require(written, "make " + Quoted(own.front().settings.name) + " the stored selection");
    }
    printf("Removed provisioned profile %s. The applet shows the change when it next opens.\n",
           found->settings.name.c_str());
    return 0;
}
