// The card's shared state: the configuration claim between processes and
// logon sessions, the admin profile name, the NT 4.0 radio record and a
// card restart. The Wireless Zero Configuration answer and an absent card
// are read through the library in vyrsim_tests.
#include <windows.h>
#include <gtest/gtest.h>

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
    // A claim recorded for this very session does not stand in the way; another
    // session's does (vyrsim_tests: claim other).
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    SimulatedCard card = ReadSimulatedCard(OpenStore());
    card.foreignClaimSession = session;
    ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
    seen += " own session=" + Claim(adapters);
    EXPECT_EQ(seen, "held elsewhere=0 other store=1 released=1 second object=1 own session=1");
}

TEST_F(SharedCardState, TheAdminProfileNameOutlivesTheProcess)
{
    std::string seen;
    {
        PAvailableAdapters adapters;
        seen += std::to_string(adapters.SetAdminProfileName("admin_Campus"));
        seen += std::to_string(adapters.SetAdminProfileName(std::string(33, 'a')));
    }
    seen += RunChild("read_admin_profile_name").output;
    PAvailableAdapters().SetAdminProfileName("");
    EXPECT_EQ(seen + RunChild("read_admin_profile_name").output, "10[admin_Campus][]");
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

}  // namespace
