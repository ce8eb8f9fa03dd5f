#include "fake_sessions.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "card_changes.h"
#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/store.h"
#include "store_check.h"
#include "support/child.h"

const char kFakeVariable[] = "VYR_SOAK_FAKE";
const char kFakeSessionArguments[] = "--child-scenario soak_fake_session";
const char kStoreCheckArguments[] = "--child-scenario soak_store_check";
const char kFirstSessionMark[] = "FakeSessionRan";

void ForgetFakeSessions()
{
    OpenStore().DeleteValue(kFirstSessionMark);
}

namespace {

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void TakeCardOut()
{
    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.present = false;
    WriteSimulatedCard(store, card);
}

// A sheet that stops answering for 3 seconds: a window of this thread,
// which then sleeps instead of taking its messages.
void Hang()
{
    HWND sheet = CreateWindowExA(0, "STATIC", "sheet", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::printf("sheet %p\n", static_cast<void*>(sheet));
    std::fflush(stdout);
    Sleep(3000);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    Sleep(20000);
}

// A failure happens in the first session only; the soak's next session
// then runs whole. The mark is kept in the test's store.
bool FirstSession()
{
    RegistryKey store = OpenStore();
    if (store.HasValue(kFirstSessionMark))
        return false;
    store.WriteDword(kFirstSessionMark, 1);
    return true;
}

int FakeSession(const std::string&)
{
    char fake[32] = "";
    GetEnvironmentVariableA(kFakeVariable, fake, sizeof(fake));
    std::string behaviour = fake;
    if ((behaviour == "crash" || behaviour == "exit" || behaviour == "hang") && !FirstSession())
        behaviour = "whole";
    if (behaviour == "card out" && !CardIsOut()) {
        TakeCardOut();
        Say("action 0: vyrsim: card out");
        ExitProcess(0);
    }
    if (behaviour == "card out")
        Say(("vyrsim: " + InsertCardIfOut()).c_str());
    Say("opening 1");
    Say("action 1: click \"OK\" (1)");
    if (behaviour == "crash")
        RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    if (behaviour == "exit")
        ExitProcess(0);
    if (behaviour == "hang")
        Hang();
    if (behaviour == "unlisted record")
        WriteProfileRecord(OpenStore().OpenChild(kProfilesKey), "P77", ProfileSettings());
    Say(behaviour == "growth" ? "closed: windows +0, GDI objects +2" : "closed: windows +0, GDI objects +0");
    Say("done");
    return 0;
}

int StoreCheck(const std::string&)
{
    for (const std::string& fault : StoreFaults())
        Say(fault.c_str());
    return StoreFaults().empty() ? 0 : 1;
}

ChildScenario fakeSession("soak_fake_session", FakeSession);
ChildScenario storeCheck("soak_store_check", StoreCheck);

}  // namespace
