// status: everything about the card, from its store, the library's shared
// state and the live link as the library's status object reports it.
#include <cstdio>

#include "card_report.h"
#include "commands.h"
#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/configuration_claim.h"
#include "driver/store.h"
#include "driver/store_root.h"
#include "output.h"
#include "store_access.h"
#include "stored_profiles.h"

namespace {

const char* const kLinkStates[] = {"Not Joined", "Joined", "Authenticated", "Associated", "Unknown"};
const char* const kLinkBands[] = {"802.11a", "802.11b", "802.11g"};

std::string ZeroConfigMode(int forced)
{
    switch (forced) {
    case kZeroConfigAskService:
        return "service";
    case 1:
        return "forced on";
    case 0:
        return "forced off";
    case -1:
        return "forced error";
    default:
        return "forced " + std::to_string(forced);
    }
}

std::string ZeroConfigAnswer(int answer)
{
    const char* meaning = answer == 1 ? "manages the card" : answer == 0 ? "does not manage the card" : "cannot be queried";
    return std::to_string(answer) + " (the service " + meaning + ")";
}

std::string ForeignClaim(DWORD session)
{
    if (session == 0)
        return "none";
    std::string text = "logon session " + std::to_string(session);
    return IsForeignClaim(session) ? text : text + " (this session: no effect)";
}

std::string EncryptionText(DWORD encryption)
{
    switch (encryption) {
    case 0:
        return "0 (none)";
    case 1:
        return "1 (WEP)";
    case 2:
        return "2 (AES)";
    case 4:
        return "4 (CKIP)";
    case 5:
        return "5 (TKIP)";
    default:
        return std::to_string(encryption);
    }
}

std::string Named(DWORD value, const char* const* names, DWORD count)
{
    return value < count ? std::to_string(value) + " (" + names[value] + ")" : std::to_string(value);
}

std::string Members(const std::vector<std::string>& members)
{
    std::string text;
    for (const std::string& member : members)
        text += (text.empty() ? "" : ", ") + member;
    return text.empty() ? "no members" : "members " + text;
}

void PrintCard(const SimulatedCard& card, const CardState& state)
{
    PAvailableAdapters adapters;
    PrintHeading("Card");
    PrintField("store", StoreDescription());
    PrintField("present", YesNo(card.present));
    PrintField("radio", OnOff(state.radioOn));
    PrintField("NT 4.0 radio record", state.radioSwitchedOff ? "switched off" : "switched on");
    PrintField("zero config mode", ZeroConfigMode(card.zeroConfig));
    PrintField("zero config answer", ZeroConfigAnswer(adapters.IsWirelessZeroConfigEnabled()));
    PrintField("other session claim", ForeignClaim(card.foreignClaimSession));
    PrintField("claim held", IsConfigurationClaimHeld(StoreRootPath()) ? "yes (by a process of this machine)" : "no");
}

void PrintProfiles(const RegistryKey& store, const CardState& state)
{
    PAvailableAdapters adapters;
    std::vector<StoredProfile> profiles = ReadAllStoredProfiles(store);
    PrintHeading("Profiles");
    PrintField("stored profiles", std::to_string(profiles.size()));

    const StoredProfile* selected = FindStoredProfile(profiles, state.currentConfiguration);
    PrintField("stored selection", selected ? selected->settings.name + " (" + state.currentConfiguration + ")"
                                            : OrNone(state.currentConfiguration) + " (no such profile)");

    AppliedProfile applied;
    if (ReadAppliedProfile(store, applied)) {
        const StoredProfile* source = FindStoredProfile(profiles, applied.location);
        std::string note = !source ? ", no longer stored"
                           : SameSettings(source->settings, applied.settings) ? ""
                                                                              : ", not as stored";
        PrintField("in effect", applied.settings.name + " (" + applied.location + ", generation " +
                                    std::to_string(applied.generation) + note + ")");
    } else {
        PrintField("in effect", "(none: the driver's defaults)");
    }

    std::string admin;
    PrintField("admin profile", OrNone(adapters.GetAdminProfileName(admin)));

    const std::vector<std::string>& names = adapters.GetMultipleConfigNames();
    RegistryKey sets = store.OpenChild(std::string(kCardKey) + "\\" + kMultipleConfigsKey);
    PrintField("multiple configs", names.empty() ? "(none)" : std::to_string(names.size()));
    for (const std::string& name : names) {
        RegistryKey set = sets.OpenChild(name);
        PrintField(name, set.HasValue(kMembersValue) ? Members(set.ReadStrings(kMembersValue)) : "no member list recorded", 4);
    }
    for (const std::string& recorded : sets.ChildNames()) {
        bool deployed = false;
        for (const std::string& name : names)
            deployed = deployed || SameNameIgnoringCase(name, recorded);
        if (!deployed)
            PrintField(recorded, "not deployed; " + Members(sets.OpenChild(recorded).ReadStrings(kMembersValue)), 4);
    }
}

std::string ForcedNames(const ForcedReadings& forced)
{
    std::string names;
    for (const auto& reading : forced.numbers)
        names += (names.empty() ? "" : ", ") + reading.first;
    if (forced.hasLinkName)
        names += names.empty() ? kForcedLinkName : std::string(", ") + kForcedLinkName;
    return names.empty() ? "none" : names + " (vyrsim link)";
}

void PrintLink(const RegistryKey& store, const SimulatedCard& card)
{
    const CDriverStatus* status = CVeltoDriverStatus::GetInstance();
    PrintHeading("Link");
    PrintField("forced readings", ForcedNames(card.forced));
    PrintField("state", Named(status->GetState(), kLinkStates, 5));
    PrintField("network", OrNone(status->GetLinkName()));
    PrintField("band", Named(status->GetBand(), kLinkBands, 3));
    PrintField("channel", std::to_string(status->GetChannel()));
    PrintField("tx rate", std::to_string(status->GetTxRate()) + " Mb/s");
    PrintField("rx rate", std::to_string(status->GetRxRate()) + " Mb/s");
    PrintField("link quality", std::to_string(status->GetLinkQuality()) + "%");
    PrintField("signal", std::to_string(status->GetSignalStrength()) + "%");
    PrintField("encryption", EncryptionText(status->GetEncryptionType()));
    PrintField("join final", YesNo(status->IsJoinFinal()));
    // Read after the status object above recorded what its link found.
    PrintField("last failure", OrNone(ReadLinkFailure(store)));
}

}  // namespace

int RunStatus(Arguments& args)
{
    args.ParseOptions({});
    args.ExpectNoMore();
    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    CardState state = ReadCardState(store);
    PrintCard(card, state);
    PrintCapabilities(card);
    PrintProfiles(store, state);
    PrintLink(store, card);
    PrintAccessPoints(card.accessPoints);
    return 0;
}
