// The card's shared state through the library: the configuration claim between processes and logon sessions, and the
// admin profile name. What vyrsim changes of it is read through the library in vyrsim_tests.
#include <windows.h>

#include "driver/card_state.h"
#include "driver/store.h"
#include "driver_support.h"
#include "support/claim_holder.h"

namespace {

class SharedCardState : public CardTest {};

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
    EXPECT_EQ(seen + " own session=" + Claim(adapters),
              "held elsewhere=0 other store=1 released=1 second object=1 own session=1");
}

TEST_F(SharedCardState, TheAdminProfileNameFollowsTheRuleForNames)
{
    PAvailableAdapters adapters;
    std::string name, seen = std::to_string(adapters.SetAdminProfileName(std::string(32, 'a')));
    for (const std::string& bad : {std::string(33, 'b'), std::string("a\\b"), std::string(".."), std::string(" ")})
        seen += std::to_string(adapters.SetAdminProfileName(bad));
    EXPECT_EQ(seen + " " + adapters.GetAdminProfileName(name), "10000 " + std::string(32, 'a'));
}

// The library looks for a service that is not installed again only once a service was installed or deleted: it must
// still see one come. A program of Wine's that runs as a service whatever it is called stands in for it.
TEST_F(SharedCardState, TheServicesAnswerFollowsItsInstallationAndStart)
{
    char program[MAX_PATH];
    lstrcatA((GetSystemDirectoryA(program, MAX_PATH), program), "\\wuauserv.exe");
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    PAvailableAdapters adapters;
    std::string seen = std::to_string(adapters.IsWirelessZeroConfigEnabled());
    SC_HANDLE service = CreateServiceA(manager, "WZCSVC", "WZCSVC", SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                       SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, program, 0, 0, 0, 0, 0);
    seen += std::to_string(adapters.IsWirelessZeroConfigEnabled());
    SERVICE_STATUS status = {};
    StartServiceA(service, 0, nullptr);
    for (int tries = 0; tries < 100 && QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_RUNNING;
         ++tries)
        Sleep(100);
    seen += std::to_string(adapters.IsWirelessZeroConfigEnabled());
    seen += std::to_string(adapters.IsWirelessZeroConfigEnabled());
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    DeleteService(service);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    EXPECT_EQ(seen, "0011");
}

}  // namespace
