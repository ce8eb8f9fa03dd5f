// Profiles of the simulated card through the library's public interface:
// what is stored, what survives a new process, and what bad input cannot
// break.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/profile_record.h"
#include "driver/store.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/isolated_store.h"

namespace {

// Every setting set to a value other than its default.
void SetEverything(CAdapterConfig& p)
{
    ASSERT_TRUE(p.SetNetworkType(0) && p.SetNetworkName("Harbour") && p.SetNetworkName2("Harbour-2") &&
                p.SetNetworkName3("Harbour-3") && p.SetWirelessMode(14) && p.SetAdHocStartBand(3));
    ASSERT_TRUE(p.SetEnableSecurity(TRUE) && p.SetEapSelection(7) && p.SetWpa(TRUE) && p.SetDynamicSecurity(TRUE) &&
                p.SetLeapEnabled(TRUE) && p.SetWepEncryptType(1));
    ASSERT_TRUE(p.SetSharedKey1("3237353134", 0) && p.SetSharedKey2("00112233445566778899AABBCC", 1) &&
                p.SetSharedKey3("0123456789ABCDEF0123456789ABCDEF", 2) && p.SetSharedKey4("FFEEDDCCBB", 3) &&
                p.SetDefaultKey(3) && p.SetPassphrase("correct horse battery", 21, FALSE));
    ASSERT_TRUE(p.SetLeapUserName("leap.user") && p.SetLeapUserPasswd("leap-secret", 11) &&
                p.SetCertificate("A1B2C3D4E5F60718293A4B5C6D7E8F9012345678") &&
                p.SetCA("00FF00FF00FF00FF00FF00FF00FF00FF00FF00FF") && p.SetDomainName("corp.example") &&
                p.SetLoginName("alice") && p.SetAdvancedUserName("alice.peap"));
    ASSERT_TRUE(p.SetAdvancedPassword("peap-secret", 11) &&
                p.SetAdvancedCertificate("99887766554433221100FFEEDDCCBBAA99887766") && p.SetTransmitPower(3) &&
                p.SetPowerSaving(2));
}

// The settings one "name=value" line each, to compare whole profiles.
std::string Describe(const CAdapterConfig& p)
{
    std::string s, all;
    auto add = [&](const char* name, const std::string& value) { all += std::string(name) + "=" + value + "\n"; };
    auto number = [](DWORD value) { return std::to_string(value); };
    add("name", p.GetName(s));
    add("type", number(p.GetNetworkType()));
    add("ssid1", p.GetNetworkName(s));
    add("ssid2", p.GetNetworkName2(s));
    add("ssid3", p.GetNetworkName3(s));
    add("mode", number(p.GetWirelessMode()));
    add("band", number(p.GetAdHocStartBand()));
    add("security", number(p.GetEnableSecurity()));
    add("eap", number(p.GetEapSelection()));
    add("wpa", number(p.GetWpa()));
    add("dynamic", number(p.GetDynamicSecurity()));
    add("leap", number(p.GetLeapEnabled()));
    add("format", number(p.GetWepEncryptType()));
    std::string k1, k2, k3, k4;
    add("keys", p.GetSharedKey1(k1) + " " + p.GetSharedKey2(k2) + " " + p.GetSharedKey3(k3) + " " +
                    p.GetSharedKey4(k4));
    add("lengths", number(p.GetSharedKey1Length()) + " " + number(p.GetSharedKey2Length()) + " " +
                       number(p.GetSharedKey3Length()) + " " + number(p.GetSharedKey4Length()));
    add("default", number(p.GetDefaultKey()));
    add("hex", number(p.GetHexEntryPp()));
    add("pp", p.GetPassphrase(s, p.GetHexEntryPp()));
    add("pplen", number(p.GetPassphraseLength()));
    add("leapuser", p.GetLeapUserName(s));
    add("leappw", p.GetLeapUserPasswd(s));
    add("cert", p.GetCertificate(s));
    add("ca", p.GetCA(s));
    add("domain", p.GetDomainName(s));
    add("login", p.GetLoginName(s));
    add("advuser", p.GetAdvancedUserName(s));
    add("advpw", p.GetAdvancedPassword(s));
    add("advcert", p.GetAdvancedCertificate(s));
    add("txpower", number(p.GetTransmitPower()));
    add("saving", number(p.GetPowerSaving()));
    return all;
}

// The lines of a description whose names are `names`, in its order.
std::string Pick(const std::string& description, const std::vector<std::string>& names)
{
    std::string picked, lines = "\n" + description;
    for (const std::string& name : names) {
        size_t at = lines.find("\n" + name + "=");
        picked += at == std::string::npos ? name + " missing\n" : lines.substr(at + 1, lines.find('\n', at + 1) - at);
    }
    return picked;
}

// What another process does with a stored profile; the argument is "<verb> <name>".
// 2 when it finds no such profile.
ChildScenario elsewhere("elsewhere", [](const std::string& argument) {
    std::string verb = argument.substr(0, argument.find(' '));
    CAdapterConfig* profile = FindProfile(argument.substr(verb.size() + 1));
    if (!profile)
        return 2;
    if (verb == "describe")
        std::printf("%s", Describe(*profile).c_str());
    if (verb == "delete")
        return TheAdapter()->DeleteConfiguration(profile) ? 0 : 1;
    if (verb == "store") {  // a second program changes the network name and power
        profile->SetNetworkName("FromElsewhere");
        profile->SetTransmitPower(4);
        return profile->Save() ? 0 : 1;
    }
    if (verb == "use") {  // as a user without administrator rights may
        profile->SetTransmitPower(4);
        std::printf("save=%d select=%d delete=%d temporary=%d\n", profile->Save(),
                    TheAdapter()->SetCurrentConfiguration(profile), TheAdapter()->DeleteConfiguration(profile),
                    profile->ApplyTemporarily());
    }
    // Saves one of two whole profiles after the other, until killed.
    for (int round = 0; verb == "save-forever"; ++round) {
        SetEvent(SharedEvent("saving"));
        bool odd = round % 2 != 0;
        profile->SetNetworkName(odd ? "Odd" : "Even");
        profile->SetNetworkName2(odd ? "Odd-2" : "Even-2");
        profile->SetWirelessMode(odd ? 1 : 4);
        profile->SetPassphrase(odd ? "odd pass phrase" : "even pass phrase", odd ? 15 : 16, FALSE);
        profile->SetTransmitPower(odd ? 1 : 2);
        profile->SetPowerSaving(odd ? 1 : 2);
        profile->Save();
    }
    return 0;
});

class ProfileStore : public testing::Test {
protected:
    IsolatedStore store_;
    CDriverAdapter* adapter_ = nullptr;

    void SetUp() override
    {
        adapter_ = TheAdapter();
        ASSERT_NE(adapter_, nullptr);
    }

    static ChildResult InNewProcess(const std::string& verb, const std::string& name, bool administrator = true)
    {
        ChildOptions options;
        options.argument = verb + " " + name;
        options.asNonAdministrator = !administrator;
        return RunChild("elsewhere", options);
    }
    static std::string DescribeInNewProcess(const std::string& name)
    {
        ChildResult result = InNewProcess("describe", name);
        EXPECT_EQ(result.exitCode, 0u) << result.output;
        return result.output;
    }
};

TEST_F(ProfileStore, ANewStoreHoldsTheDefaultProfileAsSelectionAndInEffect)
{
    CAdapterConfig* current = adapter_->GetCurrentConfiguration();
    ASSERT_NE(current, nullptr);
    AppliedProfile applied;
    ASSERT_TRUE(ReadAppliedProfile(OpenStore(), applied));
    std::string seen;
    for (const std::string& name : Names(adapter_->GetConfigurations()))
        seen += name + " ";
    EXPECT_EQ(seen + "provisioned=" + std::to_string(adapter_->GetSecondConfigurations()->GetCount()) +
                  " selection=" + NameOf(current) + " modified=" + std::to_string(current->IsModified()) +
                  " in effect=" + applied.settings.name,
              "Default provisioned=0 selection=Default modified=0 in effect=Default");
}

TEST_F(ProfileStore, EverySettingSurvivesANewProcessAndSecretsAreNotStoredInClear)
{
    CAdapterConfig* profile = adapter_->AddConfiguration("Harbour");
    ASSERT_NE(profile, nullptr);
    SetEverything(*profile);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(profile->IsModified());
    ASSERT_TRUE(profile->Save());
    EXPECT_FALSE(profile->IsModified());
    EXPECT_EQ(DescribeInNewProcess("Harbour"), Describe(*profile));

    // The record holds the secrets only sealed.
    RegistryKey record = OpenCommittedVersion(OpenStore().OpenChild(kProfilesKey).OpenChild("P2"));
    ASSERT_TRUE(record.IsOpen());
    for (const char* secretValue : {"SharedKey2", "Passphrase", "leapUserPasswd", "AdvancedPassword"}) {
        std::string stored = record.ReadBinary(secretValue);
        EXPECT_FALSE(stored.empty()) << secretValue;
        for (const char* clear : {"00112233445566778899AABBCC", "correct horse", "leap-secret", "peap-secret"})
            EXPECT_EQ(stored.find(clear), std::string::npos) << secretValue;
    }
}

TEST_F(ProfileStore, AProcessKilledWhileSavingLeavesOneWholeProfile)
{
    CAdapterConfig* profile = adapter_->AddConfiguration("Crash");
    ASSERT_NE(profile, nullptr);
    // The settings save-forever changes, as it leaves them in even and odd rounds.
    const std::vector<std::string> changed = {"ssid1", "ssid2", "mode", "pp", "pplen", "txpower", "saving"};
    const std::string even = "ssid1=Even\nssid2=Even-2\nmode=4\npp=even pass phrase\npplen=16\ntxpower=2\nsaving=2\n";
    const std::string odd = "ssid1=Odd\nssid2=Odd-2\nmode=1\npp=odd pass phrase\npplen=15\ntxpower=1\nsaving=1\n";
    const std::string untouched = Pick(Describe(*profile), changed);  // killed before its first Save
    HANDLE saving = SharedEvent("saving");
    for (int attempt = 0; attempt < 6; ++attempt) {
        ResetEvent(saving);
        ChildOptions options;
        options.argument = "save-forever Crash";
        ChildProcess child("elsewhere", options);
        ASSERT_TRUE(child.Started());
        ASSERT_EQ(WaitForSingleObject(saving, 30000), WAIT_OBJECT_0);
        Sleep(40 + attempt * 37);
        child.Kill();
        child.Finish();

        std::string stored = Pick(DescribeInNewProcess("Crash"), changed);
        EXPECT_TRUE(stored == even || stored == odd || stored == untouched) << "attempt " << attempt << ":\n" << stored;
    }
    // The next writer clears away what the killed ones left unfinished.
    ASSERT_TRUE(profile->Save());
    EXPECT_EQ(OpenStore().OpenChild(kProfilesKey).OpenChild("P2").ChildNames().size(), 1u);
}

TEST_F(ProfileStore, StoresOfDifferentRootsDoNotMeet)
{
    ASSERT_NE(adapter_->AddConfiguration("OnlyHere"), nullptr);
    {
        IsolatedStore other("other");  // the configurator now follows the other store
        CDriverAdapter* otherAdapter = TheAdapter();
        ASSERT_NE(otherAdapter, nullptr);
        EXPECT_NE(otherAdapter, adapter_);
        EXPECT_EQ(Names(otherAdapter->GetConfigurations()), std::vector<std::string>{"Default"});
    }
    SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());
    EXPECT_NE(DescribeInNewProcess("OnlyHere"), "");
    // The object handed out before keeps writing to its own store.
    EXPECT_EQ(Names(adapter_->GetConfigurations()), (std::vector<std::string>{"Default", "OnlyHere"}));
}

TEST_F(ProfileStore, NamesMustBeStorableAndUniqueIgnoringCase)
{
    const std::string home(32, 'h');
    // Adding (+) or renaming the profile added last (=); whether it is taken.
    const std::pair<std::string, bool> rows[] = {
        {"+", false}, {"+default", false}, {"+" + std::string(33, 'n'), false}, {"+back\\slash", false},
        {"+" + home, true}, {"+" + std::string(32, 'H'), false}, {"=DEFAULT", false}, {"=Home", true},
        {"=HOME", true},  // its own name in another case
    };
    CAdapterConfig* last = nullptr;
    std::string seen, expected;
    for (const auto& row : rows) {
        std::string name = row.first.substr(1);
        bool taken = last && last->SetName(name);
        if (row.first[0] == '+') {
            CAdapterConfig* added = adapter_->AddConfiguration(name);
            taken = added != nullptr;
            last = added ? added : last;
        }
        seen += row.first + (taken ? " taken\n" : " refused\n");
        expected += row.first + (row.second ? " taken\n" : " refused\n");
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Names(adapter_->GetConfigurations()), (std::vector<std::string>{"Default", "HOME"}));
    // A new profile is stored at once, with its default settings.
    EXPECT_EQ(Pick(DescribeInNewProcess(home), {"name", "mode"}), "name=" + home + "\nmode=13\n");
}
TEST_F(ProfileStore, SettersRefuseValuesTheCardDoesNotTakeAndKeepTheOldOnes)
{
    CAdapterConfig* p = adapter_->GetCurrentConfiguration();
    std::string before = Describe(*p);
    EXPECT_FALSE(p->SetNetworkType(2));
    EXPECT_FALSE(p->SetNetworkName(std::string(33, 'x')));
    EXPECT_FALSE(p->SetWirelessMode(0));
    EXPECT_FALSE(p->SetWirelessMode(16));
    EXPECT_FALSE(p->SetAdHocStartBand(5));
    EXPECT_FALSE(p->SetEapSelection(8));
    EXPECT_FALSE(p->SetSharedKey1("12345", 0));         // not a 64-bit key
    EXPECT_FALSE(p->SetSharedKey2("XYZXYZXYZX", 0));    // not hexadecimal
    EXPECT_FALSE(p->SetSharedKey3("0123456789", 1));    // length index says 128-bit
    EXPECT_FALSE(p->SetSharedKey4("0123456789", 4));
    EXPECT_FALSE(p->SetDefaultKey(5));
    EXPECT_FALSE(p->SetDefaultKey(-1));
    EXPECT_FALSE(p->SetPassphrase("not hex at all", 14, TRUE));
    EXPECT_FALSE(p->SetPassphrase(std::string(65, 'a'), 65, FALSE));
    EXPECT_FALSE(p->SetLeapUserPasswd("short", 6));
    EXPECT_FALSE(p->SetAdvancedPassword("short", -1));
    EXPECT_FALSE(p->SetTransmitPower(5));
    EXPECT_FALSE(p->SetPowerSaving(4));
    EXPECT_EQ(Describe(*p), before);
    EXPECT_FALSE(p->IsModified());

    // Empty keys are how a profile has no key; the marker key is an ordinary one.
    EXPECT_TRUE(p->SetSharedKey1("", 0));
    EXPECT_TRUE(p->SetSharedKey1("3237353134", 0));
    EXPECT_TRUE(p->SetLeapUserPasswd("password", 4));
    std::string password;
    EXPECT_EQ(p->GetLeapUserPasswd(password), "pass");
}

TEST_F(ProfileStore, APassPhraseReadsBackOnlyTheWayItWasEntered)
{
    CAdapterConfig* p = adapter_->GetCurrentConfiguration();
    std::string hex(64, 'A'), key;
    ASSERT_TRUE(p->SetPassphrase(hex, 64, TRUE));
    EXPECT_TRUE(p->GetHexEntryPp());
    EXPECT_EQ(p->GetPassphrase(key, TRUE), hex);
    EXPECT_EQ(p->GetPassphrase(key, FALSE), "");
    ASSERT_TRUE(p->SetPassphrase("plain words", 11, FALSE));
    EXPECT_EQ(p->GetPassphrase(key, FALSE), "plain words");
    EXPECT_EQ(p->GetPassphraseLength(), 11);
}

TEST_F(ProfileStore, ModifiedMeansNotStoredOrForTheProfileInEffectNotInEffect)
{
    CAdapterConfig* active = adapter_->GetCurrentConfiguration();
    CAdapterConfig* other = adapter_->AddConfiguration("Other");
    ASSERT_NE(other, nullptr);
    AppliedProfile before, after;
    ASSERT_TRUE(ReadAppliedProfile(OpenStore(), before));
    // A step, then whether Other and the profile in effect count as modified.
    const std::pair<const char*, std::function<bool()>> steps[] = {
        {"added", [] { return true; }},
        {"same power again", [&] { return other->SetTransmitPower(other->GetTransmitPower()); }},  // no change
        {"power 2", [&] { return other->SetTransmitPower(2); }},
        {"power 0 again", [&] { return other->SetTransmitPower(0); }},
        {"saving changed and stored", [&] { return other->SetPowerSaving(1) && other->Save(); }},
        {"in effect: stored", [&] { return active->SetNetworkName("Newer") && active->Save(); }},
        {"in effect: applied", [&] { return active->Apply(); }},
    };
    std::string seen;
    for (const auto& step : steps) {
        bool done = step.second();
        seen += std::string(step.first) + (done ? "" : " (refused)") + ": " + std::to_string(other->IsModified()) +
                std::to_string(active->IsModified()) + "\n";
    }
    EXPECT_EQ(seen, "added: 00\nsame power again: 00\npower 2: 10\npower 0 again: 00\nsaving changed and stored: 00\n"
                    "in effect: stored: 01\nin effect: applied: 00\n");
    ASSERT_TRUE(ReadAppliedProfile(OpenStore(), after));
    EXPECT_EQ(after.settings.networkName1, "Newer");
    EXPECT_GT(after.generation, before.generation);
}

TEST_F(ProfileStore, TheSelectionIsStoredButATemporaryActivationIsNot)
{
    CAdapterConfig* office = adapter_->AddConfiguration("Office");
    CAdapterConfig* cafe = adapter_->AddConfiguration("Cafe");
    ASSERT_TRUE(office && cafe);
    ASSERT_TRUE(adapter_->SetCurrentConfiguration(office));
    ASSERT_TRUE(office->Apply());
    cafe->SetNetworkName("Espresso");
    ASSERT_TRUE(cafe->ApplyTemporarily());

    EXPECT_EQ(adapter_->GetCurrentConfiguration(), office);
    AppliedProfile applied;
    ASSERT_TRUE(ReadAppliedProfile(OpenStore(), applied));
    EXPECT_EQ(applied.settings.name, "Cafe");
    EXPECT_EQ(applied.settings.networkName1, "Espresso");
    EXPECT_TRUE(cafe->IsModified());  // in effect, but not stored
    EXPECT_EQ(Pick(DescribeInNewProcess("Cafe"), {"ssid1"}), "ssid1=\n");
    EXPECT_FALSE(adapter_->SetCurrentConfiguration(nullptr));
    EXPECT_EQ(adapter_->GetCurrentConfiguration(), office);
}

TEST_F(ProfileStore, DeletingKeepsDefaultAndNeverBringsAProfileBack)
{
    CAdapterConfig* defaultProfile = adapter_->GetCurrentConfiguration();
    EXPECT_FALSE(adapter_->DeleteConfiguration(defaultProfile));
    EXPECT_FALSE(adapter_->DeleteConfiguration(nullptr));
    EXPECT_FALSE(adapter_->DeleteConfiguration(reinterpret_cast<CAdapterConfig*>(&store_)));  // a stranger

    CAdapterConfig* trip = adapter_->AddConfiguration("Trip");
    ASSERT_TRUE(adapter_->SetCurrentConfiguration(trip));
    ASSERT_TRUE(adapter_->DeleteConfiguration(trip));
    EXPECT_FALSE(adapter_->DeleteConfiguration(trip));
    EXPECT_EQ(Names(adapter_->GetConfigurations()), std::vector<std::string>{"Default"});
    EXPECT_EQ(adapter_->GetCurrentConfiguration(), defaultProfile);  // the selection falls back

    // The deleted object answers, but nothing it does reaches the store.
    std::string name;
    EXPECT_EQ(trip->GetName(name), "Trip");
    trip->SetNetworkName("Ghost");
    EXPECT_FALSE(trip->Save());
    EXPECT_FALSE(trip->Apply());
    EXPECT_FALSE(trip->IsModified());
    EXPECT_EQ(InNewProcess("describe", "Trip").exitCode, 2u);
    // Its name is free again.
    EXPECT_NE(adapter_->AddConfiguration("trip"), nullptr);

    // Nor is one that another process deleted.
    CAdapterConfig* shared = adapter_->AddConfiguration("Shared");
    ASSERT_EQ(InNewProcess("delete", "Shared").exitCode, 0u);
    shared->SetNetworkName("Late");
    EXPECT_FALSE(shared->Save());
    EXPECT_EQ(InNewProcess("describe", "Shared").exitCode, 2u);
    EXPECT_EQ(ReadProfileOrder(OpenStore().OpenChild(kProfilesKey)).size(), 2u);  // Default and trip
}

TEST_F(ProfileStore, LoadingANetworkGroupTakesWhatAnotherProcessStoredUnlessChangedHere)
{
    CAdapterConfig* p = adapter_->AddConfiguration("Moving");
    ASSERT_EQ(InNewProcess("store", "Moving").exitCode, 0u);
    std::string name;
    EXPECT_EQ(p->GetNetworkName(name), "");
    EXPECT_TRUE(p->NotifyLoaded(2));
    EXPECT_EQ(p->GetNetworkName(name), "FromElsewhere");
    EXPECT_EQ(p->GetTransmitPower(), 0u);  // another group: as this object read it
    EXPECT_FALSE(p->IsModified());

    p->SetTransmitPower(1);
    ASSERT_EQ(InNewProcess("store", "Moving").exitCode, 0u);
    EXPECT_TRUE(p->NotifyLoaded(3));
    EXPECT_EQ(p->GetTransmitPower(), 1u);  // the change made here wins
    EXPECT_FALSE(p->NotifyLoaded(4));
}

TEST_F(ProfileStore, MultipleConfigurationsRecordTheirMembers)
{
    store_.SetMultipleConfigNames({"Campus"});
    CAdapterConfig* library = adapter_->AddConfiguration("Campus_Library");
    CAdapterConfig* lab = adapter_->AddConfiguration("Campus_Lab");
    CAdapterConfig* home = adapter_->AddConfiguration("Home");
    ASSERT_TRUE(library && lab && home);
    auto members = [] {
        return OpenStore().OpenChild("Card\\MultipleConfigs\\Campus").ReadStrings("Members");
    };
    lab->SetNetworkName("LabNet");
    ASSERT_TRUE(lab->SaveMultipleConfig("Campus", 0));
    EXPECT_FALSE(lab->IsModified());
    EXPECT_EQ(members(), (std::vector<std::string>{"Campus_Library", "Campus_Lab"}));

    EXPECT_FALSE(adapter_->DeleteMultipleConfig(home));  // not a member of any
    ASSERT_TRUE(adapter_->DeleteMultipleConfig(library));
    EXPECT_EQ(members(), std::vector<std::string>{"Campus_Lab"});
    EXPECT_TRUE(home->SaveMultipleConfig("Campus", 1));
    EXPECT_EQ(members(), std::vector<std::string>{"Campus_Lab"});
    EXPECT_FALSE(home->SaveMultipleConfig("", 1));
}

TEST_F(ProfileStore, OnlyAnAdministratorStoresOrSelectsAProvisionedProfile)
{
    // A store whose provisioning was there before the library first met it.
    IsolatedStore provisioned("provisioned");
    ProfileSettings settings;
    settings.name = "admin_Campus";
    ASSERT_FALSE(AddStoredProfile(OpenStore().OpenChild(kProvisionedKey), settings).empty());
    CDriverAdapter* adapter = TheAdapter();
    EXPECT_EQ(Names(adapter->GetSecondConfigurations()), std::vector<std::string>{"admin_Campus"});

    ChildResult user = InNewProcess("use", "admin_Campus", false);
    EXPECT_EQ(user.output, "save=0 select=0 delete=0 temporary=1\n");
    AppliedProfile applied;
    ASSERT_TRUE(ReadAppliedProfile(OpenStore(), applied));
    EXPECT_EQ(applied.settings.name, "admin_Campus");
    EXPECT_EQ(Pick(DescribeInNewProcess("admin_Campus"), {"txpower"}), "txpower=0\n");

    CAdapterConfig* campus = FindProfile("admin_Campus");
    campus->SetTransmitPower(4);
    EXPECT_TRUE(campus->Save());
    EXPECT_TRUE(adapter->SetCurrentConfiguration(campus));
    EXPECT_EQ(adapter->GetCurrentConfiguration(), campus);
    EXPECT_TRUE(adapter->DeleteConfiguration(campus));
    EXPECT_EQ(adapter->GetSecondConfigurations()->GetCount(), 0);
}

}  // namespace
