// vyrsim end to end: the real program runs as a child on the test's own
// store, and what it changes is read back through the library and the core.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/configuration_claim.h"
#include "driver/profile_list.h"
#include "driver/profile_record.h"
#include "driver/store.h"
#include "driver/user_certificate.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/isolated_store.h"

namespace {

// Runs vyrsim; the child inherits VYR80211_STORE.
ProgramResult Vyrsim(const std::vector<std::string>& arguments)
{
    return RunProgram("vyrsim.exe", arguments);
}

// The words of `line`, split at blanks.
ProgramResult Vyrsim(const std::string& line)
{
    std::istringstream words(line);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;)
        arguments.push_back(word);
    return Vyrsim(arguments);
}

std::string Output(const std::string& line)
{
    ProgramResult outcome = Vyrsim(line);
    EXPECT_EQ(outcome.exitCode, 0u) << line << ": " << outcome.errors;
    return outcome.output;
}

// The value of the "label   value" line of an output.
std::string Field(const std::string& output, const std::string& label)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, label.size(), label) == 0 &&
            line.compare(start + label.size(), 2, "  ") == 0)
            return line.substr(line.find_first_not_of(' ', start + label.size()));
    }
    return "<no " + label + ">";
}

// The lines `profiles` prints for profile `name`, its heading first.
std::string ProfileBlock(const std::string& output, const std::string& name)
{
    std::istringstream lines(output);
    std::string block;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        bool heading = line.compare(0, 2, "  ") == 0 && line[2] != ' ';
        if (heading || line[0] != ' ')
            inside = heading && line.compare(2, name.size() + 2, name + " (") == 0;
        if (inside)
            block += line + "\n";
    }
    return block;
}

// The words of the table row that begins with `first`.
std::vector<std::string> Row(const std::string& output, const std::string& first)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        std::vector<std::string> row;
        for (std::string cell; cells >> cell;)
            row.push_back(cell);
        if (!row.empty() && row[0] == first)
            return row;
    }
    return {};
}

std::string Heading(const std::string& block)
{
    return block.substr(0, block.find('\n'));
}

void DumpKey(HKEY key, const std::string& path, std::string& dump)
{
    dump += "[" + path + "]\n";
    char name[512];
    BYTE data[8192];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name);
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        dump += std::string(name) + ":" + std::to_string(type) + "=" +
                std::string(reinterpret_cast<char*>(data), dataSize) + "\n";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            DumpKey(child, path + "\\" + name, dump);
            RegCloseKey(child);
        }
    }
}

// Every key and value of the store, byte for byte.
std::string DumpStore(const std::string& path)
{
    std::string dump;
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &root) != ERROR_SUCCESS)
        return "(no store)";
    DumpKey(root, path, dump);
    RegCloseKey(root);
    return dump;
}

const AccessPoint* FindPoint(const SimulatedCard& card, const std::string& ssid)
{
    for (const AccessPoint& point : card.accessPoints) {
        if (point.ssid == ssid)
            return &point;
    }
    return nullptr;
}

class VyrsimTest : public testing::Test {
protected:
    std::string Status() { return Output("status"); }

    IsolatedStore store_;
    CDriverStatus* status_ = CVeltoDriverStatus::GetInstance();
};

TEST_F(VyrsimTest, HelpDescribesEveryCommand)
{
    const char* const commands[] = {"status",        "card",        "radio",     "zeroconfig",  "claim",
                                    "ap",            "caps",        "admin-profile", "multiconfig", "provision",
                                    "unprovision",   "cert",        "profiles",  "reset",       "help"};
    std::string overview = Output("--help");
    EXPECT_EQ(overview, Output("help"));
    EXPECT_NE(overview.find(store_.Path()), std::string::npos) << "names the store it works on";
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        EXPECT_NE(overview.find(std::string("\n  ") + command + " "), std::string::npos);
        std::string help = Output(std::string("help ") + command);
        EXPECT_NE(help.find(std::string("vyrsim ") + command), std::string::npos);
        EXPECT_EQ(help, Output(std::string(command) + " --help"));
    }
}

TEST_F(VyrsimTest, BadArgumentsSayWhatIsWrongAndChangeNothing)
{
    Output("ap add Office --band a --channel 40");
    Output("provision admin_Corp --ssid Office");
    struct Case {
        std::string line;
        DWORD code;
        const char* named;  // what the message must name
    };
    const std::string longName(33, 'n');
    const std::string unknownId(40, 'A');
    const Case cases[] = {
        {"", 2, "COMMAND"},
        {"fly", 2, "\"fly\""},
        {"card", 2, "missing"},
        {"card maybe", 2, "\"maybe\""},
        {"card present now", 2, "\"now\""},
        {"radio off --force", 2, "--force"},
        {"zeroconfig auto", 2, "\"auto\""},
        {"claim other 0", 2, "SESSION"},
        {"claim other 70000", 2, "SESSION"},
        {"claim none 3", 2, "\"3\""},
        {"ap add Lab --signal 101", 2, "--signal"},
        {"ap add Lab --signal -5", 2, "--signal"},
        {"ap add Lab --channel 15", 2, "channel 15"},
        {"ap add Lab --band a --channel 37", 2, "channel 37"},
        {"ap add Lab --band a --channel 6", 2, "channel 6"},
        {"ap add Lab --security wpa2", 2, "--security"},
        {"ap add Lab --cipher aes", 2, "--cipher"},
        {"ap add Lab --adhoc --infrastructure", 2, "--adhoc"},
        {"ap add Lab --signal 5 --signal 6", 2, "twice"},
        {"ap add Lab --band", 2, "--band"},
        {"ap set Office", 2, "nothing to change"},
        {"ap set Office --channel 11", 2, "channel 11"},
        {"ap add office", 1, "\"Office\""},
        {"ap set Nowhere --signal 5", 1, "\"Nowhere\""},
        {"ap remove Nowhere", 1, "\"Nowhere\""},
        {"ap rename Office", 2, "\"rename\""},
        {"caps --names 2", 2, "--names"},
        {"caps --country usa", 2, "--country"},
        {"caps --country us", 2, "--country"},
        {"caps --a maybe", 2, "--a"},
        {"admin-profile", 2, "NAME"},
        {"admin-profile admin_Corp --clear", 2, "--clear"},
        {"admin-profile " + longName, 2, "32"},
        {"multiconfig", 2, "NAME"},
        {"multiconfig CORP_A", 2, "\"CORP_A\""},
        {"multiconfig LAB lab", 2, "twice"},
        {"provision ADMIN_corp", 1, "\"admin_Corp\""},
        {"provision default", 1, "\"Default\""},
        {"provision p --security wep", 2, "--key"},
        {"provision p --security wep --key 12345", 2, "WEP key"},
        {"provision p --security wpa-psk --key short", 2, "pre-shared key"},
        {"provision p --key 0123456789", 2, "--key"},
        {"provision p --adhoc", 2, "--ssid"},
        {"provision " + longName, 2, "32"},
        {"unprovision Default", 1, "\"Default\""},
        {"unprovision nobody", 1, "\"nobody\""},
        {"cert add nobody", 2, "USER@DOMAIN"},
        {"cert list CA", 2, "\"CA\""},
        {"cert remove 12", 2, "40"},
        {"cert remove " + unknownId, 1, unknownId.c_str()},
        {"profiles --all", 2, "--all"},
        {"status now", 2, "\"now\""},
        {"reset now", 2, "\"now\""},
        {"help nothing", 2, "\"nothing\""},
    };
    std::string before = DumpStore(store_.Path());
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.line);
        ProgramResult outcome = Vyrsim(bad.line);
        EXPECT_EQ(outcome.exitCode, bad.code);
        EXPECT_EQ(outcome.output, "");
        EXPECT_EQ(outcome.errors.compare(0, 8, "vyrsim: "), 0) << outcome.errors;
        std::string message = outcome.errors.substr(0, outcome.errors.find('\n'));
        EXPECT_NE(message.find(bad.named), std::string::npos) << message;
        std::string hint = outcome.errors.substr(message.size());
        if (bad.code == 2) {
            EXPECT_NE(hint.find("help"), std::string::npos) << "a usage error points to the help";
        } else {
            EXPECT_EQ(hint, "\n");
        }
        EXPECT_EQ(DumpStore(store_.Path()), before);
    }
}

TEST_F(VyrsimTest, CardRadioZeroConfigAndClaimReachTheLibrary)
{
    Output("card absent");
    status_->Refresh();
    EXPECT_FALSE(status_->IsAdapterPresent());
    EXPECT_EQ(CVeltoDriverConfigurator::GetInstance()->GetAdapters()->GetCount(), 0);
    EXPECT_EQ(Field(Status(), "present"), "no");

    // An inserted card comes up as the Windows NT 4.0 record says.
    ASSERT_TRUE(PAvailableAdapters().SetRadioEnable(TRUE));
    Output("card present");
    status_->Refresh();
    EXPECT_TRUE(status_->IsAdapterPresent());
    EXPECT_FALSE(status_->IsRadioEnabled());
    std::string shown = Status();
    EXPECT_EQ(Field(shown, "present"), "yes");
    EXPECT_EQ(Field(shown, "radio"), "off");
    EXPECT_EQ(Field(shown, "NT 4.0 radio record"), "switched off");
    Output("radio on");
    status_->Refresh();
    EXPECT_TRUE(status_->IsRadioEnabled());
    EXPECT_EQ(Field(Status(), "radio"), "on");

    struct {
        const char* mode;
        int answer;
        const char* shown;
    } const modes[] = {{"on", 1, "forced on"}, {"off", 0, "forced off"}, {"error", -1, "forced error"},
                       {"service", 0, "service"}};  // Wine has no WZCSVC
    for (const auto& mode : modes) {
        Output(std::string("zeroconfig ") + mode.mode);
        EXPECT_EQ(PAvailableAdapters().IsWirelessZeroConfigEnabled(), mode.answer) << mode.mode;
        shown = Status();
        EXPECT_EQ(Field(shown, "zero config mode"), mode.shown);
        std::string answer = Field(shown, "zero config answer");
        EXPECT_EQ(answer.substr(0, answer.find(' ')), std::to_string(mode.answer));
    }

    Output("claim other");
    DWORD foreign = ReadSimulatedCard(OpenStore()).foreignClaimSession;
    EXPECT_TRUE(IsForeignClaim(foreign)) << foreign;
    PAvailableAdapters adapters;
    EXPECT_EQ(adapters.CheckMultipleConfig(), 0);
    EXPECT_EQ(Field(Status(), "other session claim"), "logon session " + std::to_string(foreign));
    DWORD chosen = CurrentLogonSession() + 5;
    Output("claim other " + std::to_string(chosen));
    EXPECT_EQ(ReadSimulatedCard(OpenStore()).foreignClaimSession, chosen);

    Output("claim none");
    EXPECT_EQ(Field(Status(), "claim held"), "no");
    ASSERT_NE(adapters.CheckMultipleConfig(), 0);
    shown = Status();
    EXPECT_EQ(Field(shown, "other session claim"), "none");
    EXPECT_EQ(Field(shown, "claim held").substr(0, 3), "yes");
    adapters.ClearMultipleConfig();
    EXPECT_EQ(Field(Status(), "claim held"), "no");
}

TEST_F(VyrsimTest, AccessPointsMakeTheRadioWorld)
{
    status_->Refresh();
    Output("ap add Office --band a --channel 40 --signal 55 --security wpa-psk --cipher aes");
    Output("ap add Peers --adhoc --band b --channel 11");
    SimulatedCard card = ReadSimulatedCard(OpenStore());
    const AccessPoint* office = FindPoint(card, "Office");
    ASSERT_NE(office, nullptr);
    EXPECT_EQ(office->band, 'a');
    EXPECT_EQ(office->channel, 40);
    EXPECT_EQ(office->signal, 55);
    EXPECT_EQ(office->security, "wpa-psk");
    EXPECT_EQ(office->cipher, "aes");
    EXPECT_FALSE(office->adHoc);
    ASSERT_NE(FindPoint(card, "Peers"), nullptr);
    EXPECT_TRUE(FindPoint(card, "Peers")->adHoc);
    EXPECT_EQ(FindPoint(card, "Peers")->channel, 11);
    std::string listed = Output("ap list");
    EXPECT_EQ(Row(listed, "Office"),
              (std::vector<std::string>{"Office", "a", "40", "55", "wpa-psk", "aes", "infrastructure"}));
    EXPECT_EQ(Row(listed, "Peers"), (std::vector<std::string>{"Peers", "b", "11", "70", "open", "-", "ad", "hoc"}));
    EXPECT_EQ(listed, Status().substr(Status().find("Access points")));

    // A new band takes its default channel when the old one does not fit.
    Output("ap set Office --band g");
    EXPECT_EQ(FindPoint(ReadSimulatedCard(OpenStore()), "Office")->channel, 6);
    Output("ap set Office --band b --channel 11");
    EXPECT_EQ(FindPoint(ReadSimulatedCard(OpenStore()), "Office")->channel, 11);

    Output("ap set vyrlink --signal 25");
    status_->Refresh();
    EXPECT_EQ(status_->GetState(), 3u);
    EXPECT_NEAR(status_->GetSignalStrength(), 25, 5);
    EXPECT_EQ(Field(Status(), "signal"), "25%");

    Output("ap remove VyrLink");
    status_->Refresh();
    EXPECT_EQ(status_->GetState(), 0u);
    EXPECT_EQ(FindPoint(ReadSimulatedCard(OpenStore()), "VyrLink"), nullptr);
    EXPECT_EQ(Field(Status(), "state"), "0 (Not Joined)");
}

TEST_F(VyrsimTest, CapsChangeWhatTheCardReports)
{
    std::string before = DumpStore(store_.Path());
    std::string shown = Output("caps");
    EXPECT_EQ(Field(shown, "bands"), "802.11a, 802.11b, 802.11g");
    EXPECT_EQ(DumpStore(store_.Path()), before) << "caps without options only shows";

    Output("caps --a off --g off --names 1 --wpa off --country JP");
    status_->Refresh();
    DWORD radio = 0;
    DWORD security = 0;
    ASSERT_TRUE(status_->GetCapabilities(radio, security));
    EXPECT_EQ(radio, 4u);
    EXPECT_EQ(status_->GetNetworkNameCapacity(), 1u);
    EXPECT_FALSE(status_->GetWpaSupport());
    EXPECT_EQ(status_->GetCountryCode(), static_cast<DWORD>(('J' << 8) | 'P'));
    shown = Status();
    EXPECT_EQ(Field(shown, "bands"), "802.11b");
    EXPECT_EQ(Field(shown, "network names"), "1");
    EXPECT_EQ(Field(shown, "WPA support"), "no");
    EXPECT_EQ(Field(shown, "country"), "JP");

    Output("caps --g on");
    status_->Refresh();
    status_->GetCapabilities(radio, security);
    EXPECT_EQ(radio, 12u) << "802.11a stays off";
}

TEST_F(VyrsimTest, AdminProfileAndMultipleConfigurations)
{
    std::string name;
    Output("admin-profile admin_Lab");
    EXPECT_EQ(PAvailableAdapters().GetAdminProfileName(name), "admin_Lab");
    EXPECT_EQ(Field(Status(), "admin profile"), "admin_Lab");
    Output("admin-profile --clear");
    EXPECT_EQ(PAvailableAdapters().GetAdminProfileName(name), "");
    EXPECT_EQ(Field(Status(), "admin profile"), "(none)");

    Output("multiconfig CORP LAB");
    EXPECT_EQ(PAvailableAdapters().GetMultipleConfigNames(), (std::vector<std::string>{"CORP", "LAB"}));
    CAdapterConfig* member = TheAdapter()->AddConfiguration("CORP_Office");
    ASSERT_NE(member, nullptr);
    ASSERT_TRUE(member->SaveMultipleConfig("CORP", 1));
    std::string shown = Status();
    EXPECT_EQ(Field(shown, "multiple configs"), "2");
    EXPECT_EQ(Field(shown, "CORP"), "members CORP_Office");
    EXPECT_EQ(Field(shown, "LAB"), "no member list recorded");

    Output("multiconfig --clear");
    EXPECT_TRUE(PAvailableAdapters().GetMultipleConfigNames().empty());
    shown = Status();
    EXPECT_EQ(Field(shown, "multiple configs"), "(none)");
    EXPECT_EQ(Field(shown, "CORP"), "not deployed; members CORP_Office");
}

TEST_F(VyrsimTest, ProvisionedProfilesReachTheLibrary)
{
    Output("provision admin_Corp --ssid Office --security wpa-psk --key secretpass");
    Output("provision admin_Wep --ssid Lab --security wep --key 0123456789");
    // The library reads both arrays when its adapter for this store is made.
    CAdapterConfigArray* provisioned = TheAdapter()->GetSecondConfigurations();
    ASSERT_EQ(provisioned->GetCount(), 2);
    CAdapterConfig* corp = provisioned->GetAt(0);
    std::string text;
    EXPECT_EQ(corp->GetName(text), "admin_Corp");
    EXPECT_EQ(corp->GetNetworkName(text), "Office");
    EXPECT_TRUE(corp->GetEnableSecurity());
    EXPECT_EQ(corp->GetEapSelection(), 7u);
    EXPECT_TRUE(corp->GetWpa());
    EXPECT_EQ(corp->GetPassphrase(text, FALSE), "secretpass");
    EXPECT_EQ(corp->GetPassphraseLength(), 10);
    CAdapterConfig* wep = provisioned->GetAt(1);
    EXPECT_FALSE(wep->GetWpa());
    EXPECT_EQ(wep->GetSharedKey1(text), "0123456789");
    EXPECT_EQ(wep->GetSharedKey1Length(), 0);
    EXPECT_EQ(wep->GetDefaultKey(), 1);

    ASSERT_TRUE(TheAdapter()->SetCurrentConfiguration(corp));
    EXPECT_EQ(Field(Status(), "stored selection"), "admin_Corp (Provisioned\\P1)");
    Output("unprovision ADMIN_CORP");
    EXPECT_EQ(ReadProfileOrder(OpenStore().OpenChild(kProvisionedKey)).size(), 1u);
    EXPECT_EQ(Field(Status(), "stored selection"), "Default (Profiles\\P1)")
        << "the selection falls back to the first own profile";
}

TEST_F(VyrsimTest, ProfilesShowEverySettingAsStored)
{
    CAdapterConfig* work = TheAdapter()->AddConfiguration("Work");
    ASSERT_NE(work, nullptr);
    ASSERT_TRUE(work->SetNetworkName("Office") && work->SetNetworkName2("Office 2") && work->SetWirelessMode(8));
    ASSERT_TRUE(work->SetEnableSecurity(TRUE) && work->SetEapSelection(7));
    ASSERT_TRUE(work->SetSharedKey2("0123456789abcdef0123456789", 1) && work->SetDefaultKey(2));
    ASSERT_TRUE(work->SetPassphrase("pass phrase 1", 13, FALSE));
    ASSERT_TRUE(work->SetLeapUserName("leapuser") && work->SetLeapUserPasswd("leap-secret", 11));
    ASSERT_TRUE(work->SetDomainName("CORP") && work->SetAdvancedPassword("adv-secret", 10));
    ASSERT_TRUE(work->SetTransmitPower(2) && work->SetPowerSaving(1));
    ASSERT_TRUE(work->Save());

    RegistryKey list = OpenStore().OpenChild(kProfilesKey);
    std::vector<std::string> order = ReadProfileOrder(list);
    ASSERT_EQ(order.size(), 2u);
    ProfileSettings stored;
    ASSERT_TRUE(ReadProfileRecord(list.OpenChild(order[1]), stored));

    std::string masked = ProfileBlock(Output("profiles"), "Work");
    std::string shown = ProfileBlock(Output("profiles --show-secrets"), "Work");
    ASSERT_NE(masked, "");
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        SCOPED_TRACE(field.name);
        std::string value = SettingText(field, stored);
        std::string printed = Field(masked, field.name);
        switch (field.kind) {
        case SettingKind::Number:
            EXPECT_TRUE(printed == value || printed.compare(0, value.size() + 2, value + " (") == 0) << printed;
            break;
        case SettingKind::Text:
            EXPECT_EQ(printed, value.empty() ? "(none)" : value);
            break;
        case SettingKind::Secret:
            EXPECT_EQ(printed, value.empty() ? "(none)" : "********");
            printed = Field(shown, field.name);
            EXPECT_EQ(printed, value.empty() ? "(none)" : value);
            break;
        }
        if (field.kind != SettingKind::Secret) {
            EXPECT_EQ(Field(shown, field.name), printed);
        }
    }
    EXPECT_EQ(Field(masked, "NetworkName2"), "Office 2");
    EXPECT_EQ(Field(shown, "Passphrase"), "pass phrase 1");
    EXPECT_EQ(Field(shown, "SharedKey2"), "0123456789abcdef0123456789");
    for (const char* secret : {"pass phrase", "leap-secret", "adv-secret", "0123456789abcdef"})
        EXPECT_EQ(masked.find(secret), std::string::npos) << secret;

    std::string profiles = Output("profiles");
    EXPECT_EQ(Heading(ProfileBlock(profiles, "Default")), "  Default (Profiles\\P1) [stored selection] [in effect]");
    EXPECT_EQ(Heading(ProfileBlock(profiles, "Work")), "  Work (Profiles\\P2)");
    ASSERT_TRUE(work->Apply() && TheAdapter()->SetCurrentConfiguration(work));
    profiles = Output("profiles");
    EXPECT_EQ(Heading(ProfileBlock(profiles, "Default")), "  Default (Profiles\\P1)");
    EXPECT_EQ(Heading(ProfileBlock(profiles, "Work")), "  Work (Profiles\\P2) [stored selection] [in effect]");
    ASSERT_TRUE(work->SetTransmitPower(4) && work->ApplyTemporarily());
    EXPECT_EQ(Heading(ProfileBlock(Output("profiles"), "Work")),
              "  Work (Profiles\\P2) [stored selection] [in effect, not as stored]");
}

TEST_F(VyrsimTest, ResetPutsTheDefaultBack)
{
    std::string status = Status();
    std::string profiles = Output("profiles");
    for (const char* change : {"radio off", "ap add Lab --band a", "caps --a off --country DE", "zeroconfig on",
                               "claim other", "admin-profile admin_x", "multiconfig CORP", "provision admin_x"})
        Output(change);
    ASSERT_NE(TheAdapter()->AddConfiguration("Home"), nullptr);
    ASSERT_NE(Status(), status);

    EXPECT_NE(Output("reset").find(store_.Path()), std::string::npos);
    EXPECT_EQ(Status(), status);
    EXPECT_EQ(Output("profiles"), profiles);
}

// Removes a certificate that a failed test left behind.
struct CertificateCleanup {
    std::string id;
    ~CertificateCleanup()
    {
        if (!id.empty())
            DeleteUserCertificate(id);
    }
};

TEST_F(VyrsimTest, CertificatesRoundTripThroughTheUserStore)
{
    std::string added = Output("cert add vyrsim.tester@example.org");
    ASSERT_FALSE(added.empty());
    CertificateCleanup cleanup{added.substr(added.rfind(' ') + 1, 40)};
    const std::string& id = cleanup.id;
    ASSERT_EQ(added, "Certificate for vyrsim.tester@example.org: " + id + "\n");

    CCertificate certificate;
    ASSERT_TRUE(certificate.setCertificate(id, 0));
    std::string user;
    std::string domain;
    EXPECT_TRUE(certificate.getUser(user) && certificate.getDomain(domain));
    EXPECT_EQ(user + "@" + domain, "vyrsim.tester@example.org");
    std::string listed = Output("cert list");
    size_t row = listed.find(id);
    ASSERT_NE(row, std::string::npos) << listed;
    EXPECT_EQ(listed.substr(row, listed.find('\n', row) - row), id + "  vyrsim.tester");

    Output("cert remove " + id);
    std::vector<std::string> names;
    std::vector<std::string> ids;
    CCertificate().EnumerateCertificates(names, ids, "MY");
    EXPECT_EQ(std::find(ids.begin(), ids.end(), id), ids.end());
    EXPECT_EQ(Output("cert list MY").find(id), std::string::npos);
    EXPECT_EQ(Vyrsim("cert remove " + id).exitCode, 1u);

    int roots = CCertificate().EnumerateCertificates(names, ids, "ROOT");
    EXPECT_EQ(Heading(Output("cert list root")), "Certificates in ROOT: " + std::to_string(roots));
}

}  // namespace
