// The card's shared state: the configuration claim between processes and
// logon sessions, the Wireless Zero Configuration answer, the admin profile
// name, the NT 4.0 radio record and a card restart.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/store.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/isolated_store.h"

namespace {

ChildScenario holdClaim("hold_claim_of_store", [](const std::string&) {
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    SetEvent(SharedEvent("store-claim-held"));
    WaitForSingleObject(SharedEvent("store-claim-release"), 60000);
    return claimed ? 0 : 3;
});

ChildScenario readAdminProfileName("read_admin_profile_name", [](const std::string&) {
    PAvailableAdapters adapters;
    std::string name;
    std::printf("[%s]", adapters.GetAdminProfileName(name).c_str());
    return 0;
});

class SharedCardState : public testing::Test {
protected:
    IsolatedStore store_;

    void SetCard(const std::function<void(SimulatedCard&)>& change)
    {
        RegistryKey store = OpenStore();
        SimulatedCard card = ReadSimulatedCard(store);
        change(card);
        ASSERT_TRUE(WriteSimulatedCard(store, card));
    }
};

TEST_F(SharedCardState, OneProcessAtATimeHoldsTheClaimOfAStore)
{
    HANDLE held = SharedEvent("store-claim-held");
    HANDLE release = SharedEvent("store-claim-release");
    ResetEvent(held);
    ResetEvent(release);
    ChildProcess holder("hold_claim_of_store");
    ASSERT_EQ(WaitForSingleObject(held, 30000), WAIT_OBJECT_0);

    PAvailableAdapters adapters;
    EXPECT_EQ(adapters.CheckMultipleConfig(), 0);
    {
        IsolatedStore other("other");  // another store, another card
        PAvailableAdapters elsewhere;
        EXPECT_NE(elsewhere.CheckMultipleConfig(), 0);
        elsewhere.ClearMultipleConfig();
    }
    SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());

    SetEvent(release);
    EXPECT_EQ(holder.Finish().exitCode, 0u);
    EXPECT_NE(adapters.CheckMultipleConfig(), 0);
    EXPECT_NE(PAvailableAdapters().CheckMultipleConfig(), 0);  // the claim is the process's
    adapters.ClearMultipleConfig();
}

TEST_F(SharedCardState, AnotherLogonSessionsClaimRefusesThisSessionUntilGone)
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    SetCard([&](SimulatedCard& card) { card.foreignClaimSession = session + 1; });
    PAvailableAdapters adapters;
    EXPECT_EQ(adapters.CheckMultipleConfig(), 0);
    SetCard([&](SimulatedCard& card) { card.foreignClaimSession = session; });  // our own session's
    EXPECT_NE(adapters.CheckMultipleConfig(), 0);
    adapters.ClearMultipleConfig();
}

TEST_F(SharedCardState, TheZeroConfigurationAnswerIsTheServicesUnlessForced)
{
    PAvailableAdapters adapters;
    // Wine has no Wireless Zero Configuration service: it does not manage the card.
    EXPECT_EQ(adapters.IsWirelessZeroConfigEnabled(), 0);
    for (int forced : {1, 0, -1}) {
        SetCard([&](SimulatedCard& card) { card.zeroConfig = forced; });
        EXPECT_EQ(adapters.IsWirelessZeroConfigEnabled(), forced);
    }
}

TEST_F(SharedCardState, TheAdminProfileNameOutlivesTheProcess)
{
    {
        PAvailableAdapters adapters;
        EXPECT_TRUE(adapters.SetAdminProfileName("admin_Campus"));
        EXPECT_FALSE(adapters.SetAdminProfileName(std::string(33, 'a')));
    }
    EXPECT_EQ(RunChild("read_admin_profile_name").output, "[admin_Campus]");
    PAvailableAdapters().SetAdminProfileName("");
    EXPECT_EQ(RunChild("read_admin_profile_name").output, "[]");
}

TEST_F(SharedCardState, ARestartedCardRunsItsStoredSelectionWithTheRecordedRadio)
{
    CDriverAdapter* adapter = TheAdapter();
    CAdapterConfig* guest = adapter->AddConfiguration("Guest");
    ASSERT_NE(guest, nullptr);
    ASSERT_TRUE(guest->ApplyTemporarily());
    ASSERT_TRUE(PAvailableAdapters().SetRadioEnable(TRUE));

    RegistryKey store = OpenStore();
    ASSERT_TRUE(RestartCard(store));
    AppliedProfile applied;
    ASSERT_TRUE(ReadAppliedProfile(store, applied));
    EXPECT_EQ(applied.settings.name, "Default");
    EXPECT_FALSE(ReadCardState(store).radioOn);

    PAvailableAdapters().SetRadioEnable(FALSE);
    ASSERT_TRUE(RestartCard(store));
    EXPECT_TRUE(ReadCardState(store).radioOn);
}

TEST_F(SharedCardState, AnAbsentCardReportsNoAdapterUntilItIsBack)
{
    CDriverConfigurator* configurator = CVeltoDriverConfigurator::GetInstance();
    CDriverAdapter* adapter = configurator->GetAdapters()->GetAt(0);
    ASSERT_NE(adapter, nullptr);
    SetCard([](SimulatedCard& card) { card.present = false; });
    CDriverAdapterArray* adapters = configurator->GetAdapters();
    EXPECT_EQ(adapters->GetCount(), 0);
    EXPECT_EQ(adapters->GetAt(0), nullptr);
    SetCard([](SimulatedCard& card) { card.present = true; });
    EXPECT_EQ(configurator->GetAdapters()->GetCount(), 1);
    EXPECT_EQ(configurator->GetAdapters()->GetAt(0), adapter);
}

}  // namespace
