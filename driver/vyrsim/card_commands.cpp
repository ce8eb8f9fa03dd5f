// Commands that change the card itself and the driver's shared state.
#include <cstdio>

#include "card_report.h"
#include "commands.h"
#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/configuration_claim.h"
#include "driver/store.h"
#include "output.h"
#include "store_access.h"
#include "stored_profiles.h"

namespace {

const DWORD kLargestSession = 65535;
// A set's members are named SET_something within a profile name's limit.
const size_t kLongestSetName = kLongestCardName - 1;

void WriteCard(const RegistryKey& store, const SimulatedCard& card)
{
    Require(WriteSimulatedCard(store, card), "write the simulated card");
}

void UpdateState(const RegistryKey& store, const std::function<bool(CardState& state)>& change)
{
    Require(UpdateCardState(store, change), "write the card's state");
}

bool IsUppercaseLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

}  // namespace

int RunCard(Arguments& args)
{
    args.ParseOptions({});
    bool present = ParseChoice(args, args.Take("present or absent"), {"present", "absent"}, "the card") == "present";
    args.ExpectNoMore();
    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    bool inserted = present && !card.present;
    card.present = present;
    WriteCard(store, card);
    if (inserted)
        Require(RestartCard(store), "start the inserted card with its stored selection");
    printf("The card is %s.\n", present ? "present" : "absent");
    return 0;
}

int RunRadio(Arguments& args)
{
    args.ParseOptions({});
    bool on = ParseOnOff(args, args.Take("on or off"), "the radio");
    args.ExpectNoMore();
    UpdateState(OpenCardStore(), [&](CardState& state) {
        state.radioOn = on;
        return true;
    });
    printf("The radio is %s.\n", OnOff(on).c_str());
    return 0;
}

int RunZeroConfig(Arguments& args)
{
    args.ParseOptions({});
    std::string mode = ParseChoice(args, args.Take("service, on, off or error"), {"service", "on", "off", "error"},
                                   "the Wireless Zero Configuration mode");
    args.ExpectNoMore();
    int answer = mode == "service" ? kZeroConfigAskService : mode == "on" ? 1 : mode == "off" ? 0 : -1;
    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.zeroConfig = answer;
    WriteCard(store, card);
    if (answer == kZeroConfigAskService)
        printf("Wireless Zero Configuration: the library asks the service.\n");
    else
        printf("Wireless Zero Configuration: the library answers %d.\n", answer);
    return 0;
}

int RunClaim(Arguments& args)
{
    args.ParseOptions({});
    bool other = ParseChoice(args, args.Take("other or none"), {"other", "none"}, "the claim") == "other";
    DWORD own = CurrentLogonSession();
    DWORD session = 0;
    if (other && args.HasMore()) {
        session = static_cast<DWORD>(ParseNumber(args, args.Take("SESSION"), 1, kLargestSession, "SESSION"));
        if (session == own)
            args.Usage("session " + std::to_string(session) + " is this one; another session's claim needs another id");
    } else if (other) {
        session = own + 1;
    }
    args.ExpectNoMore();
    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.foreignClaimSession = session;
    WriteCard(store, card);
    if (other)
        printf("Logon session %lu holds the configuration claim.\n", session);
    else
        printf("No other logon session holds the configuration claim.\n");
    return 0;
}

int RunCaps(Arguments& args)
{
    args.ParseOptions({{"--a", true}, {"--g", true}, {"--names", true}, {"--wpa", true}, {"--country", true}});
    args.ExpectNoMore();
    if (!args.AnyOption()) {
        PrintCapabilities(ReadSimulatedCard(OpenCardStore()));
        return 0;
    }
    // Every value is checked before the store is read.
    int a = args.Has("--a") ? ParseOnOff(args, args.Value("--a"), "--a") : -1;
    int g = args.Has("--g") ? ParseOnOff(args, args.Value("--g"), "--g") : -1;
    int names = args.Has("--names") ? std::stoi(ParseChoice(args, args.Value("--names"), {"1", "3"}, "--names")) : 0;
    int wpa = args.Has("--wpa") ? ParseOnOff(args, args.Value("--wpa"), "--wpa") : -1;
    std::string country = args.Has("--country") ? args.Value("--country") : "";
    if (args.Has("--country") &&
        (country.size() != 2 || !IsUppercaseLetter(country[0]) || !IsUppercaseLetter(country[1])))
        args.Usage("--country must be two uppercase letters, not " + Quoted(country));

    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    if (a >= 0)
        card.radioCapabilities = a ? card.radioCapabilities | kRadioA : card.radioCapabilities & ~kRadioA;
    if (g >= 0)
        card.radioCapabilities = g ? card.radioCapabilities | kRadioG : card.radioCapabilities & ~kRadioG;
    card.radioCapabilities |= kRadioB;  // the card's one radio that cannot be missing
    if (names)
        card.nameCapacity = static_cast<UINT>(names);
    if (wpa >= 0)
        card.securityCapabilities =
            wpa ? card.securityCapabilities | kSecurityWpa : card.securityCapabilities & ~kSecurityWpa;
    if (!country.empty())
        card.countryCode = (static_cast<DWORD>(country[0]) << 8) | static_cast<DWORD>(country[1]);
    WriteCard(store, card);
    PrintCapabilities(card);
    return 0;
}

int RunAdminProfile(Arguments& args)
{
    args.ParseOptions({{"--clear", false}});
    bool clear = args.Has("--clear");
    std::string name;
    if (!clear)
        name = args.Take("NAME (or --clear)");
    else if (args.HasMore())
        args.Usage("give NAME or --clear, not both");
    args.ExpectNoMore();
    if (!clear)
        CheckName(args, name, "the profile's name");
    RequireUsableStore();
    PAvailableAdapters adapters;
    Require(adapters.SetAdminProfileName(name) != FALSE, "record the administrator profile");
    if (clear)
        printf("No administrator profile is in temporary use.\n");
    else
        printf("Administrator profile in temporary use: %s\n", name.c_str());
    return 0;
}

int RunMultiConfig(Arguments& args)
{
    args.ParseOptions({{"--clear", false}});
    bool clear = args.Has("--clear");
    std::vector<std::string> names = args.TakeRest();
    if (clear && !names.empty())
        args.Usage("give names or --clear, not both");
    if (!clear && names.empty())
        args.Usage("missing NAME (or --clear)");
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        CheckName(args, name, "multiple configuration", kLongestSetName);
        if (name.find('_') != std::string::npos)
            args.Usage("multiple configuration " + Quoted(name) + " holds \"_\"");
        for (size_t j = 0; j < i; ++j) {
            if (SameNameIgnoringCase(names[j], name))
                args.Usage("multiple configuration " + Quoted(name) + " is named twice");
        }
    }
    UpdateState(OpenCardStore(), [&](CardState& state) {
        state.multipleConfigNames = names;
        return true;
    });
    if (names.empty()) {
        printf("No multiple configuration is deployed.\n");
    } else {
        printf("Multiple configurations deployed:");
        for (const std::string& name : names)
            printf(" %s", name.c_str());
        printf("\n");
    }
    return 0;
}

int RunReset(Arguments& args)
{
    args.ParseOptions({});
    args.ExpectNoMore();
    RequireUsableStore();
    Require(ResetStore(), "reset the card's store " + StoreDescription());
    printf("The card's store %s holds the default again.\n", StoreDescription().c_str());
    return 0;
}
