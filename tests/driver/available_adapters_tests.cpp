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
#include "support/claim_holder.h"
#include "support/isolated_store.h"

namespace {

ChildScenario readAdminProfileName("read_admin_profile_name", [](const std::string&) {
    std::string name;
    std::printf("[%s]", PAvailableAdapters().GetAdminProfileName(name).c_str());
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

// Whether `adapters` gets the claim; kept when `keep`.
std::string Claim(PAvailableAdapters& adapters, bool keep = false)
{
    int claimed = adapters.CheckMultipleConfig();
    if (claimed && !keep)
        adapters.ClearMultipleConfig();
    return std::to_string(claimed != 0);
}

TEST_F(SharedCardState, TheClaimBelongsToOneProcessOfOneSessionPerStore)
{
    PAvailableAdapters adapters, second;
    std::string seen;
    {
        ClaimHeldElsewhere holder;
        seen += "held elsewhere=" + Claim(adapters);
        {
            IsolatedStore other("other");  // another store, another card
            PAvailableAdapters elsewhere;
            seen += " other store=" + Claim(elsewhere);
        }
        SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());
    }
    // The claim is the process's: a second object of it gets it too.
    seen += " released=" + Claim(adapters, true);
    seen += " second object=" + Claim(second);
    adapters.ClearMultipleConfig();

    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    SetCard([&](SimulatedCard& card) { card.foreignClaimSession = session + 1; });
    seen += " other session=" + Claim(adapters);
    SetCard([&](SimulatedCard& card) { card.foreignClaimSession = session; });
    seen += " own session=" + Claim(adapters);
    EXPECT_EQ(seen, "held elsewhere=0 other store=1 released=1 second object=1 other session=0 own session=1");
}

TEST_F(SharedCardState, TheZeroConfigurationAnswerIsTheServicesUnlessForced)
{
    PAvailableAdapters adapters;
    // Wine has no Wireless Zero Configuration service: it does not manage the card.
    std::string seen = "service=" + std::to_string(adapters.IsWirelessZeroConfigEnabled());
    for (int forced : {1, 0, -1}) {
        SetCard([&](SimulatedCard& card) { card.zeroConfig = forced; });
        seen += " " + std::to_string(forced) + "=" + std::to_string(adapters.IsWirelessZeroConfigEnabled());
    }
    EXPECT_EQ(seen, "service=0 1=1 0=0 -1=-1");
}

TEST_F(SharedCardState, TheAdminProfileNameOutlivesTheProcess)
{
    {
        PAvailableAdapters adapters;
        EXPECT_TRUE(adapters.SetAdminProfileName("admin_Campus"));
        EXPECT_FALSE(adapters.SetAdminProfileName(std::string(33, 'a')));
    }
    std::string seen = RunChild("read_admin_profile_name").output;
    PAvailableAdapters().SetAdminProfileName("");
    EXPECT_EQ(seen + RunChild("read_admin_profile_name").output, "[admin_Campus][]");
}

TEST_F(SharedCardState, ARestartedCardRunsItsStoredSelectionWithTheRecordedRadio)
{
    CAdapterConfig* guest = TheAdapter()->AddConfiguration("Guest");
    ASSERT_NE(guest, nullptr);
    ASSERT_TRUE(guest->ApplyTemporarily());
    RegistryKey store = OpenStore();
    std::string seen;
    for (BOOL switchedOff : {TRUE, FALSE}) {
        ASSERT_TRUE(PAvailableAdapters().SetRadioEnable(switchedOff));
        ASSERT_TRUE(RestartCard(store));
        AppliedProfile applied;
        ASSERT_TRUE(ReadAppliedProfile(store, applied));
        seen += applied.settings.name + " radio=" + std::to_string(ReadCardState(store).radioOn) + " ";
    }
    EXPECT_EQ(seen, "Default radio=0 Default radio=1 ");
}

TEST_F(SharedCardState, AnAbsentCardReportsNoAdapterUntilItIsBack)
{
    CDriverConfigurator* configurator = CVeltoDriverConfigurator::GetInstance();
    CDriverAdapter* adapter = configurator->GetAdapters()->GetAt(0);
    ASSERT_NE(adapter, nullptr);
    std::string seen;
    for (bool present : {false, true}) {
        SetCard([&](SimulatedCard& card) { card.present = present; });
        CDriverAdapterArray* adapters = configurator->GetAdapters();
        seen += std::to_string(adapters->GetCount()) + (adapters->GetAt(0) == adapter ? " same " : " other ") +
                (adapters->GetAt(0) ? "adapter | " : "null | ");
    }
    EXPECT_EQ(seen, "0 other null | 1 same adapter | ");
}

}  // namespace
