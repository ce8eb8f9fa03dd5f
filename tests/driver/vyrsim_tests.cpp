// vyrsim end to end: the real program runs as a child on the test's own
// store, and what it changes is read back through the library and the core.
#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

#include "driver/card_state.h"
#include "driver/configuration_claim.h"
#include "driver/profile_list.h"
#include "driver/profile_record.h"
#include "driver/registry_key.h"
#include "driver/store.h"
#include "driver/user_certificate.h"
#include "driver_support.h"
#include "support/adapter_profiles.h"

namespace {

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

// The value of the "label   value" line of an output; "<no label>" when none.
std::string OutputField(const std::string& output, const std::string& label)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, label.size() + 2, label + "  ") == 0)
            return line.substr(line.find_first_not_of(' ', start + label.size()));
    }
    return "<no " + label + ">";
}

// `output` from the line that begins with `start` on.
std::string From(const std::string& output, const std::string& start)
{
    size_t at = ("\n" + output).find("\n" + start);
    return at == std::string::npos ? "(no " + start + ")\n" : output.substr(at);
}

// The table row that begins with `first`, its cells one blank apart; "(none)".
std::string OutputRow(const std::string& output, const std::string& first)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        std::string row;
        for (std::string cell; cells >> cell;)
            row += (row.empty() ? "" : " ") + cell;
        if (row.compare(0, first.size() + 1, first + " ") == 0)
            return row;
    }
    return "(none)";
}

// Every key and value under `path` of the current user's tree, byte for byte:
// to see that a command left the store as it was.
std::string DumpStore(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "(no " + path + ")";
    std::string dump = "[" + path + "]\n";
    char name[512];
    BYTE data[8192];
    DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
    for (DWORD i = 0; RegEnumValueA(key, i++, name, &nameSize, nullptr, &type, data, &dataSize) == 0;) {
        dump += std::string(name) + ":" + std::to_string(type) + "=" +
                std::string(reinterpret_cast<char*>(data), dataSize) + "\n";
        nameSize = sizeof(name);
        dataSize = sizeof(data);
    }
    RegCloseKey(key);
    for (const std::string& child : RegistryKey::Open(path).ChildNames())
        dump += DumpStore(path + "\\" + child);
    return dump;
}

// A command that must succeed, the first line it prints, and what is seen afterwards as "key=value | ..." (see Look).
struct Step { std::string line, says, look; };

class VyrsimTest : public CardTest {
protected:
    std::string Status() { return VyrsimOutput("status"); }

    // `expected` with each value replaced by the one read now. A key is a field of `vyrsim status`, a reading of the
    // library (lib.*), an access point as stored (point.SSID) or as `ap list` shows it (listed.SSID).
    std::string Look(const std::string& expected)
    {
        status_->Refresh();
        std::string shown = Status(), look;
        for (size_t start = 0; start < expected.size();) {
            size_t end = std::min(expected.find(" | ", start), expected.size());
            std::string key = expected.substr(start, expected.find('=', start) - start);
            std::string wanted = expected.substr(start + key.size() + 1, end - start - key.size() - 1);
            look += (look.empty() ? "" : " | ") + key + "=" + Read(key, wanted, shown);
            start = end + 3;
        }
        return look;
    }

    std::string Read(const std::string& key, const std::string& wanted, const std::string& shown)
    {
        auto n = [](long long value) { return std::to_string(value); };
        CDriverStatus* st = status_;
        PAvailableAdapters adapters;
        std::string name;
        DWORD radio = 0, security = 0;
        // Read only when asked for: the adapter, once made, holds the profiles it found.
        const std::map<std::string, std::function<std::string()>> library = {
            {"present", [&] { return n(st->IsAdapterPresent()); }},
            {"radio", [&] { return n(st->IsRadioEnabled()); }},
            {"state", [&] { return n(st->GetState()); }},
            {"caps", [&] { return n(st->GetCapabilities(radio, security) ? radio : -1); }},
            {"names", [&] { return n(st->GetNetworkNameCapacity()); }},
            {"wpa", [&] { return n(st->GetWpaSupport()); }},
            {"zeroconfig", [&] { return n(adapters.IsWirelessZeroConfigEnabled()); }},
            {"foreign", [&] { return n(ReadSimulatedCard(OpenStore()).foreignClaimSession); }},
            {"provisioned", [&] { return n(ReadProfileOrder(OpenStore().OpenChild(kProvisionedKey)).size()); }},
            {"claim", [&] { return Claim(adapters); }},
            {"adapters", [&] {  // how many, and whether the first is the one the test began with
                 CDriverAdapterArray* all = CVeltoDriverConfigurator::GetInstance()->GetAdapters();
                 CDriverAdapter* first = all->GetAt(0);
                 return n(all->GetCount()) + (first == adapter_ ? " same" : first ? " other" : " null");
             }},
            {"applied", [&] {
                 AppliedProfile applied;
                 return ReadAppliedProfile(OpenStore(), applied) ? applied.settings.name : "(none)";
             }},
            {"signal", [&] {  // the walk stays within 5 of the configured signal
                 return std::abs(st->GetSignalStrength() - std::stoi(wanted)) <= 5 ? wanted
                                                                                   : n(st->GetSignalStrength());
             }},
            {"country", [&] { return std::string{char(st->GetCountryCode() >> 8), char(st->GetCountryCode())}; }},
            {"admin", [&] { return adapters.GetAdminProfileName(name); }},
            {"multiconfig", [&] {
                 for (const std::string& set : adapters.GetMultipleConfigNames())
                     name += (name.empty() ? "" : " ") + set;
                 return name;
             }},
        };
        if (key.compare(0, 4, "lib.") == 0)
            return library.at(key.substr(4))();
        for (const AccessPoint& p : ReadSimulatedCard(OpenStore()).accessPoints) {
            if (key == "point." + p.ssid)
                return std::string(1, p.band) + " " + n(p.channel) + " " + n(p.signal) + " " + p.security + " " +
                       p.cipher + (p.adHoc ? " ad hoc" : " infrastructure");
        }
        if (key.compare(0, 6, "point.") == 0)
            return "(none)";
        if (key.compare(0, 7, "listed.") == 0)
            return OutputRow(VyrsimOutput("ap list"), key.substr(7));
        if (key == "whole")  // the status and the profiles against those the test began with
            return shown + VyrsimOutput("profiles") == start_ ? wanted : "changed";
        return OutputField(shown, key);
    }

    void Run(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.line);
            ProgramResult outcome = Vyrsim(step.line);
            EXPECT_EQ(outcome.exitCode, 0u) << outcome.errors;
            EXPECT_EQ(FirstLine(outcome.output), step.says);
            EXPECT_EQ(Look(step.look), step.look);
        }
    }

    CDriverAdapter* adapter_ = nullptr;  // the adapter a test began with, when it looks at lib.adapters
    std::string start_;  // the status and the profiles a test began with, when it looks at whole
};

TEST_F(VyrsimTest, HelpDescribesEveryCommand)
{
    std::string overview = VyrsimOutput("--help");
    EXPECT_EQ(overview, VyrsimOutput("help"));
    EXPECT_NE(overview.find(store_.Path()), std::string::npos) << "names the store it works on";
    for (const char* command : {"status", "card", "radio", "link", "zeroconfig", "claim", "ap", "caps", "admin-profile",
                                "multiconfig", "provision", "unprovision", "cert", "profiles", "reset", "help"}) {
        SCOPED_TRACE(command);
        EXPECT_NE(overview.find(std::string("\n  ") + command + " "), std::string::npos);
        std::string help = VyrsimOutput(std::string("help ") + command);
        EXPECT_NE(help.find(std::string("vyrsim ") + command), std::string::npos);
        EXPECT_EQ(help, VyrsimOutput(std::string(command) + " --help"));
    }
}

TEST_F(VyrsimTest, BadArgumentsSayWhatIsWrongAndChangeNothing)
{
    VyrsimOutput("ap add Office --band a --channel 40");
    VyrsimOutput("provision admin_Corp --ssid Office");
    const std::string longName(33, 'n'), unknownId(40, 'A'), huge(10000, 'x');
    auto cut = [](const std::string& word) { return "\"" + word.substr(0, 40) + "...\""; };
    // The line, its exit code (2 for bad usage, 1 for a refusal) and what its message must name.
    const struct { std::string line; DWORD code; std::string named; } cases[] = {
        {"", 2, "COMMAND"}, {"fly", 2, "\"fly\""}, {"card", 2, "missing"}, {"card maybe", 2, "\"maybe\""},
        {"card present now", 2, "\"now\""}, {"radio off --force", 2, "--force"}, {"zeroconfig auto", 2, "\"auto\""},
        {"claim other 0", 2, "SESSION"}, {"claim other 70000", 2, "SESSION"}, {"claim none 3", 2, "\"3\""},
        {"ap add Lab --signal 101", 2, "--signal"}, {"ap add Lab --signal -5", 2, "--signal"},
        {"ap add Lab --channel 15", 2, "channel 15"}, {"ap add Lab --band a --channel 37", 2, "channel 37"},
        {"ap add Lab --band a --channel 6", 2, "channel 6"}, {"ap add Lab --security wpa2", 2, "--security"},
        {"ap add Lab --cipher aes", 2, "--cipher"}, {"ap add Lab --adhoc --infrastructure", 2, "--adhoc"},
        {"ap add Lab --signal 5 --signal 6", 2, "twice"}, {"ap add Lab --band", 2, "--band"},
        {"ap set Office", 2, "nothing to change"}, {"ap set Office --channel 11", 2, "channel 11"},
        {"ap set Office --channel 166", 2, "--channel"}, {"ap add office", 1, "\"Office\""},
        {"ap set Nowhere --signal 5", 1, "\"Nowhere\""}, {"ap remove Nowhere", 1, "\"Nowhere\""},
        {"ap rename Office", 2, "\"rename\""}, {"caps --names 2", 2, "--names"}, {"caps --country usa", 2, "--country"},
        {"caps --country us", 2, "--country"}, {"caps --a maybe", 2, "--a"}, {"admin-profile", 2, "NAME"},
        {"admin-profile admin_Corp --clear", 2, "--clear"}, {"admin-profile " + longName, 2, "32"},
        {"multiconfig", 2, "NAME"}, {"multiconfig CORP_A", 2, "\"CORP_A\""}, {"multiconfig LAB lab", 2, "twice"},
        {"provision ADMIN_corp", 1, "\"admin_Corp\""}, {"provision default", 1, "\"Default\""},
        {"provision p --security wep", 2, "--key"}, {"provision p --security wep --key 12345", 2, "WEP key"},
        {"provision p --security wpa-psk --key short", 2, "pre-shared key"},
        {"provision p --key 0123456789", 2, "--key"}, {"provision p --adhoc", 2, "--ssid"},
        {"provision " + longName, 2, "32"}, {"unprovision Default", 1, "\"Default\""},
        {"unprovision nobody", 1, "\"nobody\""}, {"cert add nobody", 2, "USER@DOMAIN"}, {"cert list CA", 2, "\"CA\""},
        {"cert remove 12", 2, "40"}, {"cert remove " + unknownId, 1, unknownId}, {"profiles --all", 2, "--all"},
        {"status now", 2, "\"now\""}, {"reset now", 2, "\"now\""}, {"help nothing", 2, "\"nothing\""},
        {"link --quality 1000", 2, "--quality"}, {"link --state +3", 2, "--state"},
        {"link --clear --tx 5", 2, "--clear"}, {"link --name " + longName, 2, "32"},
        // One rule for every name: SSIDs, profile, admin profile and set names.
        {"ap add La\tb", 2, "control character"}, {"ap add .", 2, "\".\""}, {"ap add ..", 2, "\"..\""},
        {"ap add ' '", 2, "blanks"}, {"ap set ' ' --signal 5", 2, "blanks"}, {"provision p --ssid a\\b", 2, "\"\\\""},
        {"provision 'x\ny'", 2, "control character"}, {"admin-profile a\\b", 2, "\"\\\""},
        {"multiconfig '  '", 2, "blanks"}, {"link --name \x7f", 2, "control character"},
        // A long word is cut in the message.
        {"card " + huge, 2, cut(huge)}, {"fly" + huge, 2, cut("fly" + huge)},
        {"radio off --" + huge, 2, cut("--" + huge)}, {"ap remove " + huge, 2, cut(huge)},
    };
    std::string before = DumpStore(store_.Path());
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.line);
        ProgramResult outcome = Vyrsim(bad.line);
        std::string message = FirstLine(outcome.errors), hint = outcome.errors.substr(message.size());
        std::string seen = "exit " + std::to_string(outcome.exitCode) + " [" + outcome.output + "] " +
                           message.substr(0, 8) + (message.find(bad.named) != std::string::npos ? "names it" : message);
        // A usage error points to the help; a refusal says no more than why.
        seen += hint.find("help") != std::string::npos ? ", see help" : ", then [" + hint + "]";
        EXPECT_EQ(seen, "exit " + std::to_string(bad.code) + " [] vyrsim: names it" +
                            (bad.code == 2 ? ", see help" : ", then [\n]"));
        EXPECT_EQ(DumpStore(store_.Path()), before);
    }
}

TEST_F(VyrsimTest, CardRadioZeroConfigAndClaimReachTheLibrary)
{
    adapter_ = TheAdapter();
    ASSERT_TRUE(adapter_->AddConfiguration("Guest")->ApplyTemporarily());
    // An inserted card runs its stored selection, its radio as the Windows NT 4.0 record says.
    ASSERT_TRUE(PAvailableAdapters().SetRadioEnable(TRUE));
    const Step absent = {"card absent", "The card is absent.", "lib.present=0 | lib.adapters=0 null | present=no"};
    Run({absent,
         {"card present", "The card is present.",
          "lib.present=1 | lib.adapters=1 same | lib.radio=0 | lib.applied=Default | present=yes | radio=off"
          " | NT 4.0 radio record=switched off"},
         {"radio on", "The radio is on.", "lib.radio=1 | radio=on"},
         {"radio off", "The radio is off.", "lib.radio=0 | radio=off"}});
    ASSERT_TRUE(PAvailableAdapters().SetRadioEnable(FALSE));
    Run({absent, {"card present", "The card is present.", "lib.radio=1 | NT 4.0 radio record=switched on"}});
    const std::string other = std::to_string(CurrentLogonSession() + 1);
    const std::string chosen = std::to_string(CurrentLogonSession() + 5);
    const std::string unmanaged = "zero config answer=0 (the service does not manage the card)";
    Run({
        {"zeroconfig on", "Wireless Zero Configuration: the library answers 1.",
         "lib.zeroconfig=1 | zero config mode=forced on | zero config answer=1 (the service manages the card)"},
        {"zeroconfig off", "Wireless Zero Configuration: the library answers 0.",
         "lib.zeroconfig=0 | zero config mode=forced off | " + unmanaged},
        {"zeroconfig error", "Wireless Zero Configuration: the library answers -1.",
         "lib.zeroconfig=-1 | zero config mode=forced error | zero config answer=-1 (the service cannot be queried)"},
        // Wine has no Wireless Zero Configuration service.
        {"zeroconfig service", "Wireless Zero Configuration: the library asks the service.",
         "lib.zeroconfig=0 | zero config mode=service | " + unmanaged},
        {"claim other", "Logon session " + other + " holds the configuration claim.",
         "lib.foreign=" + other + " | lib.claim=0 | other session claim=logon session " + other},
        {"claim other " + chosen, "Logon session " + chosen + " holds the configuration claim.",
         "lib.foreign=" + chosen + " | lib.claim=0"},
        {"claim none", "No other logon session holds the configuration claim.",
         "lib.foreign=0 | other session claim=none | claim held=no | lib.claim=1"},
    });
    PAvailableAdapters adapters;
    ASSERT_NE(adapters.CheckMultipleConfig(), 0);
    EXPECT_EQ(OutputField(Status(), "claim held"), "yes (by a process of this machine)");
    adapters.ClearMultipleConfig();
}

TEST_F(VyrsimTest, AccessPointsAndCapsMakeTheRadioWorld)
{
    Run({
        {"ap add Office --band a --channel 40 --signal 55 --security wpa-psk --cipher aes",
         "Added Office: 802.11a channel 40, signal 55, wpa-psk/aes",
         "point.Office=a 40 55 wpa-psk aes infrastructure | listed.Office=Office a 40 55 wpa-psk aes infrastructure"},
        {"ap add Peers --adhoc --band b --channel 11", "Added Peers: 802.11b channel 11, signal 70, open, ad hoc",
         "point.Peers=b 11 70 open tkip ad hoc | listed.Peers=Peers b 11 70 open - ad hoc"},
        // A new band takes its default channel when the old one does not fit.
        {"ap set Office --band g", "Changed Office: 802.11g channel 6, signal 55, wpa-psk/aes",
         "point.Office=g 6 55 wpa-psk aes infrastructure"},
        {"ap set Office --band a --channel 165", "Changed Office: 802.11a channel 165, signal 55, wpa-psk/aes",
         "point.Office=a 165 55 wpa-psk aes infrastructure"},
        {"ap set vyrlink --signal 25", "Changed VyrLink: 802.11g channel 6, signal 25, open",
         "lib.state=3 | lib.signal=25 | signal=25%"},
        {"link --state 7 --name Lab", "Forced readings (the rest is the live link):",
         "lib.state=7 | forced readings=State, LinkName (vyrsim link) | network=Lab"},
        {"link --state live", "Forced readings (the rest is the live link):",
         "lib.state=3 | forced readings=LinkName (vyrsim link)"},
        {"link --clear", "The library reports the live link.", "lib.state=3 | forced readings=none | network=VyrLink"},
        {"ap remove VyrLink", "Removed VyrLink.", "lib.state=0 | point.VyrLink=(none) | state=0 (Not Joined)"},
    });
    std::string status = Status();
    EXPECT_EQ(VyrsimOutput("ap list"), status.substr(status.find("Access points")));
    // Caps change what the card reports of itself.
    std::string before = DumpStore(store_.Path());
    Run({{"caps", "Capabilities", "bands=802.11a, 802.11b, 802.11g"}});
    EXPECT_EQ(DumpStore(store_.Path()), before) << "caps without options only shows";
    Run({
        {"caps --a off --g off --names 1 --wpa off --country JP", "Capabilities",
         "lib.caps=4 | lib.names=1 | lib.wpa=0 | lib.country=JP | bands=802.11b | network names=1 | WPA support=no"
         " | country=JP"},
        {"caps --g on", "Capabilities", "lib.caps=12 | bands=802.11b, 802.11g"},  // 802.11a stays off
    });
}

TEST_F(VyrsimTest, AdminProfileMultipleConfigurationsAndProvisionedProfilesReachTheLibraryAndResetClearsThem)
{
    start_ = Status() + VyrsimOutput("profiles");
    Run({
        {"provision admin_Corp --ssid Office --security wpa-psk --key secretpass",
         "Provisioned admin_Corp (Provisioned\\P1). The applet shows it when it next opens.", "lib.provisioned=1"},
        {"provision admin_Wep --ssid Lab --security wep --key 0123456789",
         "Provisioned admin_Wep (Provisioned\\P2). The applet shows it when it next opens.", "lib.provisioned=2"},
    });
    // The library reads both arrays when its adapter for this store is made.
    EXPECT_EQ(Names(TheAdapter()->GetSecondConfigurations()), (std::vector<std::string>{"admin_Corp", "admin_Wep"}));
    std::string seen;
    for (const char* name : {"admin_Corp", "admin_Wep"}) {
        CAdapterConfig* p = FindProfile(name);
        ASSERT_NE(p, nullptr);
        seen += PickSettings(DescribeProfile(*p), "name\nssid1\nsecurity\neap\nwpa\npp\nkey1\ndefault");
    }
    EXPECT_EQ(seen, "name=admin_Corp\nssid1=Office\nsecurity=1\neap=7\nwpa=1\npp=secretpass/10\nkey1=/3\ndefault=1\n"
                    "name=admin_Wep\nssid1=Lab\nsecurity=1\neap=7\nwpa=0\npp=/0\nkey1=0123456789/0\ndefault=1\n");

    ASSERT_TRUE(TheAdapter()->SetCurrentConfiguration(FindProfile("admin_Corp")));
    Run({
        {"status", "Card", "stored selection=admin_Corp (Provisioned\\P1)"},
        // The selection falls back to the first own profile.
        {"unprovision ADMIN_CORP",
         "Removed provisioned profile admin_Corp. The applet shows the change when it next opens.",
         "lib.provisioned=1 | stored selection=Default (Profiles\\P1)"},
        {"admin-profile admin_Lab", "Administrator profile in temporary use: admin_Lab",
         "lib.admin=admin_Lab | admin profile=admin_Lab"},
        {"admin-profile --clear", "No administrator profile is in temporary use.", "lib.admin= | admin profile=(none)"},
        {"multiconfig CORP LAB", "Multiple configurations deployed: CORP LAB", "lib.multiconfig=CORP LAB"},
    });
    CAdapterConfig* member = TheAdapter()->AddConfiguration("CORP_Office");
    ASSERT_NE(member, nullptr);
    ASSERT_TRUE(member->SaveMultipleConfig("CORP", 1));
    Run({
        {"status", "Card", "multiple configs=2 | CORP=members CORP_Office | LAB=no member list recorded"},
        {"multiconfig --clear", "No multiple configuration is deployed.",
         "lib.multiconfig= | multiple configs=(none) | CORP=not deployed; members CORP_Office"},
    });
    // Reset puts the default back: the simulation's values as well as the profiles.
    for (const char* change : {"radio off", "ap add Lab --band a", "caps --a off --country DE", "zeroconfig on",
                               "claim other", "admin-profile admin_x", "multiconfig CORP"})
        VyrsimOutput(change);
    Run({{"reset", "The card's store HKEY_CURRENT_USER\\" + store_.Path() + " holds the default again.",
          "whole=as at the start"}});
}

TEST_F(VyrsimTest, ProfilesShowEverySettingAsStored)
{
    const std::string settings = "ssid1=Office\nssid2=Office 2\nmode=8\nsecurity=1\neap=7\ndefault=2\n"
                                 "key2=0123456789abcdef0123456789/1\npp=pass phrase 1\nleapuser=leapuser\n"
                                 "leappw=leap-secret\ndomain=CORP\nadvpw=adv-secret\ntxpower=2\nsaving=1";
    CAdapterConfig* work = TheAdapter()->AddConfiguration("Work");
    ASSERT_TRUE(work && SetProfile(*work, settings).empty() && work->Save());
    RegistryKey list = OpenStore().OpenChild(kProfilesKey);
    ProfileSettings stored;
    ASSERT_TRUE(ReadProfileRecord(list, ReadProfileOrder(list).at(1), stored));

    // Every field as stored, masked and then with the secrets shown: numbers may add
    // their meaning in parentheses, secrets are masked unless asked for, empty texts say so.
    std::string blocks[2], expected, seen;
    for (int shown = 0; shown < 2; ++shown) {
        blocks[shown] = From(VyrsimOutput(shown ? "profiles --show-secrets" : "profiles"), "  Work (");
        for (size_t i = 0; i < kSettingFieldCount; ++i) {
            const SettingField& field = kSettingFields[i];
            bool number = field.kind == SettingKind::Number;
            std::string value = SettingText(field, stored), printed = OutputField(blocks[shown], field.name);
            seen += std::string(field.name) + "=" + (number ? printed.substr(0, printed.find(" (")) : printed) + "\n";
            std::string visible = value.empty() && !number ? "(none)" : value;
            bool hidden = !shown && field.kind == SettingKind::Secret && !value.empty();
            expected += std::string(field.name) + "=" + (hidden ? "********" : visible) + "\n";
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(OutputField(blocks[0], "NetworkName2") + " | " + OutputField(blocks[1], "Passphrase") + " | " +
                  OutputField(blocks[1], "SharedKey2"),
              "Office 2 | pass phrase 1 | 0123456789abcdef0123456789");
    for (const char* secret : {"pass phrase", "leap-secret", "adv-secret", "0123456789abcdef"})
        EXPECT_EQ(blocks[0].find(secret), std::string::npos) << secret;

    // The headings mark the stored selection and the settings in effect.
    auto headings = [] {
        std::string profiles = VyrsimOutput("profiles");
        return FirstLine(From(profiles, "  Default (")) + "\n" + FirstLine(From(profiles, "  Work ("));
    };
    EXPECT_EQ(headings(), "  Default (Profiles\\P1) [stored selection] [in effect]\n  Work (Profiles\\P2)");
    ASSERT_TRUE(work->Apply() && TheAdapter()->SetCurrentConfiguration(work));
    EXPECT_EQ(headings(), "  Default (Profiles\\P1)\n  Work (Profiles\\P2) [stored selection] [in effect]");
    ASSERT_TRUE(work->SetTransmitPower(4) && work->ApplyTemporarily());
    EXPECT_EQ(headings(),
              "  Default (Profiles\\P1)\n  Work (Profiles\\P2) [stored selection] [in effect, not as stored]");
}

// VYR80211_STORE may name only an empty or absent key, or a store of the library's own (a half-made one is made
// again). Anything else is left as it was: vyrsim says which key and why, and the library reports no card.
TEST_F(VyrsimTest, StorePathTakesOnlyAnEmptyKeyOrTheLibrarysOwnStore)
{
    const std::string base = store_.Path() + "\\Other", made = "exit 0 |  | adapters 1 | default store";
    std::string longest = base + "\\" + std::string(200, 'k') + "\\" + std::string(200, 'k') + "\\";
    longest += std::string(511 - longest.size(), 'k');
    const std::string refused = "exit 1 | vyrsim: cannot use the card's store: ", noCard = "; the library reports no card",
                      foreign = refused + "<key> holds values or keys but no Format value, so it is not a store of "
                                          "the card" + noCard + " | adapters 0 | left as it was";
    const std::string beingMade = "Format=" + std::to_string(kStoreBeingMade);
    // The key as the row fills it: "absent", or "Sub\\Value=number" (a DWORD) and "Sub\\" (a key) items.
    const struct { std::string path, command, fill, expected; } cases[] = {
        {base, "status", "Junk=3 Inner\\Junk=3", foreign},
        {base, "reset", "Junk=3", foreign},
        {base, "ap list", "Inner\\", foreign},
        {base, "status", "Format=7", refused + "<key> holds a store of format 7, not 2" + noCard + " | adapters 0 | left as it was"},
        {base, "status", "", made},
        {base, "status", "absent", made},
        {base, "status", beingMade + " Profiles\\Junk\\Junk=3", made},
        {base, "reset", beingMade + " Card\\Junk=3", "exit 0 | The card's store <key> holds the default again. | adapters 1 | default store"},
        // The registry itself takes no path this long; the library leaves it the try.
        {longest, "status", "absent", "exit 1 | vyrsim: cannot open the card's store <key> | adapters 0 | (no key)"},
        {longest + "k", "status", "absent",
         refused + "VYR80211_STORE holds 512 characters, at most 511 name a store" + noCard + " | adapters 0 | (no key)"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.command + " on " + row.fill);
        RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());
        std::istringstream items(row.fill == "absent" ? "" : row.fill);
        if (row.fill != "absent")
            RegistryKey::Create(row.path);
        for (std::string item; items >> item;) {
            size_t slash = item.rfind('\\') == std::string::npos ? 0 : item.rfind('\\') + 1, equals = item.find('=');
            RegistryKey key = RegistryKey::Create(slash ? row.path + "\\" + item.substr(0, slash - 1) : row.path);
            if (equals != std::string::npos)
                key.WriteDword(item.substr(slash, equals - slash).c_str(), std::stoul(item.substr(equals + 1)));
        }
        std::string before = DumpStore(row.path);
        SetEnvironmentVariableA("VYR80211_STORE", row.path.c_str());
        ProgramResult outcome = Vyrsim(row.command);
        int adapters = CVeltoDriverConfigurator::GetInstance()->GetAdapters()->GetCount();
        SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());

        std::string said = FirstLine(outcome.exitCode == 0 ? (row.command == "reset" ? outcome.output : "") : outcome.errors);
        std::string key = "HKEY_CURRENT_USER\\" + row.path, after = DumpStore(row.path);
        if (said.find(key) != std::string::npos)
            said.replace(said.find(key), key.size(), "<key>");
        RegistryKey store = RegistryKey::Open(row.path);
        bool fresh = store.ReadDword(kFormatValue, 0) == kStoreMade && after.find("Junk") == std::string::npos &&
                     ReadProfileOrder(store.OpenChild(kProfilesKey)).size() == 1;
        std::string seen = after == before ? (store.IsOpen() ? "left as it was" : "(no key)") : fresh ? "default store" : "changed";
        EXPECT_EQ("exit " + std::to_string(outcome.exitCode) + " | " + said + " | adapters " + std::to_string(adapters) +
                      " | " + seen,
                  row.expected);
    }
}

TEST_F(VyrsimTest, CertificatesRoundTripThroughTheUserStore)
{
    std::string added = VyrsimOutput("cert add vyrsim.tester@example.org");
    // Removed even when the test fails half-way.
    struct Cleanup { std::string id; ~Cleanup() { DeleteUserCertificate(id); } };
    Cleanup cleanup{added.substr(added.rfind(' ') + 1, 40)};
    const std::string& id = cleanup.id;
    ASSERT_EQ(added, "Certificate for vyrsim.tester@example.org: " + id + "\n");

    // What the user certificate reads back: certificate_tests.
    EXPECT_EQ(OutputRow(VyrsimOutput("cert list"), id), id + " vyrsim.tester");
    VyrsimOutput("cert remove " + id);
    EXPECT_EQ(VyrsimOutput("cert list MY").find(id), std::string::npos);
    EXPECT_EQ(Vyrsim("cert remove " + id).exitCode, 1u);

    std::vector<std::string> names, ids;
    int roots = CCertificate().EnumerateCertificates(names, ids, "ROOT");
    EXPECT_EQ(FirstLine(VyrsimOutput("cert list root")), "Certificates in ROOT: " + std::to_string(roots));
}

}  // namespace
