// ap add, set, remove and list: the radio world the card hears.
#include <cstdio>

#include "access_point_credentials.h"
#include "card_report.h"
#include "commands.h"
#include "driver/card_state.h"
#include "store_access.h"
#include "stored_profiles.h"

namespace {

// The 20 MHz channels of the 5 GHz band that 802.11a used.
bool IsChannelOfA(int channel)
{
    bool lower = channel >= 36 && channel <= 64;
    bool middle = channel >= 100 && channel <= 140;
    bool upper = channel >= 149 && channel <= 165;
    return ((lower || middle) && channel % 4 == 0) || (upper && channel % 4 == 1);
}

bool ChannelSuits(char band, int channel)
{
    return band == 'a' ? IsChannelOfA(channel) : channel >= 1 && channel <= 14;
}

int DefaultChannel(char band)
{
    return band == 'a' ? 36 : 6;
}

// What the options of ap add and ap set ask for; unset fields keep the point's.
struct PointChanges {
    char band = 0;
    int channel = -1;
    int signal = -1;
    std::string security;
    std::string cipher;
    int adHoc = -1;
};

void ParsePointOptions(Arguments& args)
{
    args.ParseOptions({{"--band", true},
                       {"--channel", true},
                       {"--signal", true},
                       {"--security", true},
                       {"--cipher", true},
                       {"--adhoc", false},
                       {"--infrastructure", false},
                       {"--wep-key", true},
                       {"--psk", true},
                       {"--eap", true},
                       {"--users", true},
                       {"--ca", true}});
}

PointChanges ReadPointChanges(const Arguments& args)
{
    PointChanges changes;
    if (args.Has("--band"))
        changes.band = ParseChoice(args, args.Value("--band"), {"a", "b", "g"}, "--band")[0];
    if (args.Has("--channel"))
        changes.channel = ParseNumber(args, args.Value("--channel"), 1, 165, "--channel");
    if (args.Has("--signal"))
        changes.signal = ParseNumber(args, args.Value("--signal"), 0, 100, "--signal");
    if (args.Has("--security"))
        changes.security = ParseChoice(args, args.Value("--security"), {"open", "wep", "wpa-psk", "8021x", "wpa"},
                                       "--security");
    if (args.Has("--cipher"))
        changes.cipher = ParseChoice(args, args.Value("--cipher"), {"tkip", "aes"}, "--cipher");
    if (args.Has("--adhoc") && args.Has("--infrastructure"))
        args.Usage("give --adhoc or --infrastructure, not both");
    if (args.Has("--adhoc") || args.Has("--infrastructure"))
        changes.adHoc = args.Has("--adhoc");
    return changes;
}

// Applies `changes` to `point`; what does not fit together is a usage error,
// found before anything is written.
void ApplyChanges(const Arguments& args, const PointChanges& changes, AccessPoint& point)
{
    if (changes.band) {
        point.band = changes.band;
        if (changes.channel < 0 && !ChannelSuits(point.band, point.channel))
            point.channel = DefaultChannel(point.band);
    }
    if (changes.channel >= 0) {
        if (!ChannelSuits(point.band, changes.channel))
            args.Usage(point.band == 'a'
                           ? "channel " + std::to_string(changes.channel) +
                                 " is not an 802.11a channel (36-64, 100-140 or 149-165, in steps of 4)"
                           : "channel " + std::to_string(changes.channel) + " is not an 802.11" +
                                 std::string(1, point.band) + " channel (1-14)");
        point.channel = changes.channel;
    }
    if (changes.signal >= 0)
        point.signal = changes.signal;
    if (!changes.security.empty())
        point.security = changes.security;
    if (!changes.cipher.empty()) {
        if (!IsWpaKind(point.security))
            args.Usage("--cipher applies to wpa-psk and wpa, not " + point.security);
        point.cipher = changes.cipher;
    }
    if (changes.adHoc >= 0)
        point.adHoc = changes.adHoc != 0;
}

std::string TakeSsid(Arguments& args)
{
    std::string ssid = args.Take("SSID");
    CheckName(args, ssid, "the SSID");
    return ssid;
}

// Registry keys ignore case, so the store cannot hold two points whose
// names differ only in case.
const AccessPoint* FindPoint(const SimulatedCard& card, const std::string& ssid)
{
    for (const AccessPoint& point : card.accessPoints) {
        if (SameNameIgnoringCase(point.ssid, ssid))
            return &point;
    }
    return nullptr;
}

AccessPoint RequirePoint(const SimulatedCard& card, const std::string& ssid)
{
    const AccessPoint* point = FindPoint(card, ssid);
    if (!point)
        throw Failure{"no access point is called " + Quoted(ssid)};
    return *point;
}

void PrintPoint(const char* what, const AccessPoint& point)
{
    std::string credentials = CredentialSummary(point, false);
    printf("%s %s: 802.11%c channel %d, signal %d, %s%s%s%s\n", what, point.ssid.c_str(), point.band, point.channel,
           point.signal, point.security.c_str(), IsWpaKind(point.security) ? ("/" + point.cipher).c_str() : "",
           point.adHoc ? ", ad hoc" : "", credentials.empty() ? "" : (", " + credentials).c_str());
}

int Add(Arguments& args)
{
    ParsePointOptions(args);
    std::string ssid = TakeSsid(args);
    args.ExpectNoMore();
    AccessPoint point;
    point.ssid = ssid;
    PointChanges changes = ReadPointChanges(args);
    if (!changes.band)
        changes.band = point.band;
    if (changes.channel < 0)
        point.channel = DefaultChannel(changes.band);
    ApplyChanges(args, changes, point);
    ApplyCredentialChanges(args, ReadCredentialChanges(args), point);

    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    if (const AccessPoint* existing = FindPoint(card, ssid))
        throw Failure{"an access point called " + Quoted(existing->ssid) + " exists already"};
    Require(WriteAccessPoint(store, point), "write access point " + Quoted(ssid));
    PrintPoint("Added", point);
    return 0;
}

int Set(Arguments& args)
{
    ParsePointOptions(args);
    std::string ssid = TakeSsid(args);
    args.ExpectNoMore();
    if (!args.AnyOption())
        args.Usage("nothing to change: name at least one option");
    PointChanges changes = ReadPointChanges(args);
    CredentialChanges credentials = ReadCredentialChanges(args);

    RegistryKey store = OpenCardStore();
    AccessPoint point = RequirePoint(ReadSimulatedCard(store), ssid);
    ApplyChanges(args, changes, point);
    ApplyCredentialChanges(args, credentials, point);
    Require(WriteAccessPoint(store, point), "write access point " + Quoted(point.ssid));
    PrintPoint("Changed", point);
    return 0;
}

int Remove(Arguments& args)
{
    args.ParseOptions({});
    std::string ssid = TakeSsid(args);
    args.ExpectNoMore();
    RegistryKey store = OpenCardStore();
    std::string stored = RequirePoint(ReadSimulatedCard(store), ssid).ssid;
    Require(RemoveAccessPoint(store, stored), "remove access point " + Quoted(stored));
    printf("Removed %s.\n", stored.c_str());
    return 0;
}

int List(Arguments& args)
{
    args.ParseOptions({{"--show-secrets", false}});
    args.ExpectNoMore();
    PrintAccessPoints(ReadSimulatedCard(OpenCardStore()).accessPoints, args.Has("--show-secrets"));
    return 0;
}

}  // namespace

int RunAccessPoint(Arguments& args)
{
    // The subcommand comes first, before any option.
    std::vector<std::string> words = args.TakeRest();
    if (words.empty())
        args.Usage("missing add, set, remove or list");
    std::string action = ParseChoice(args, words[0], {"add", "set", "remove", "list"}, "the ap action");
    Arguments rest("ap", std::vector<std::string>(words.begin() + 1, words.end()));
    if (action == "add")
        return Add(rest);
    if (action == "set")
        return Set(rest);
    if (action == "remove")
        return Remove(rest);
    return List(rest);
}
