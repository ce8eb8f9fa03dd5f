#include "80211api.h"
#include "card_state.h"
#include "configuration_claim.h"
#include "card_snapshot.h"
#include "names.h"
#include "store.h"
#include "store_root.h"

namespace {

const char kZeroConfigService[] = "WZCSVC";
const char kServicesKey[] = "SYSTEM\\CurrentControlSet\\Services";

// The claim is the process's, not one object's: the sheet takes it and the
// status page may release it through another object.
HANDLE claim = nullptr;

// The connection to the service manager and the service's handle are kept
// for the process: making them costs several times the question itself. A
// service is looked for first among the services' registry keys, and asked
// of the service manager only when it has one. A service not installed is
// looked for again only once that registry key has had a key added or
// removed since it was last looked for, which is how a service is installed
// or deleted. An installed service is asked at every question. An answer
// asked ahead serves the one question that follows within two seconds;
// every other question, the Status page's at each tick among them, asks or
// looks.
class ZeroConfigService {
public:
    ZeroConfigService() { InitializeCriticalSection(&lock_); }

    int Query()
    {
        const DWORD kAheadServesMs = 2000;
        EnterCriticalSection(&lock_);
        bool ahead = askedAhead_ && GetTickCount() - askedAheadAt_ < kAheadServesMs;
        int answer = ahead ? aheadAnswer_ : QueryLocked();
        askedAhead_ = false;
        LeaveCriticalSection(&lock_);
        return answer;
    }

    void AskAhead()
    {
        EnterCriticalSection(&lock_);
        aheadAnswer_ = QueryLocked();
        askedAheadAt_ = GetTickCount();
        askedAhead_ = true;
        LeaveCriticalSection(&lock_);
    }

private:
    int QueryLocked()
    {
        if (!service_ && absent_ && !ServicesChanged())
            return 0;
        if (!service_) {
            WatchServices();  // before looking, so that an installation meanwhile is seen next time
            // Every installed service has its key: without one there is
            // nothing to ask the service manager, whose first connection
            // costs a process several times the question.
            absent_ = !HasServiceKey();
            if (absent_)
                return 0;
        }
        if (!manager_)
            manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
        if (!manager_)
            return -1;
        if (!service_)
            service_ = OpenServiceA(manager_, kZeroConfigService, SERVICE_QUERY_STATUS);
        absent_ = !service_ && GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
        if (!service_)
            return absent_ ? 0 : -1;
        SERVICE_STATUS status;
        if (QueryServiceStatus(service_, &status))
            return status.dwCurrentState == SERVICE_RUNNING ? 1 : 0;
        // A service deleted since, or a connection lost: asked afresh next time.
        CloseServiceHandle(service_);
        service_ = nullptr;
        return -1;
    }

    // A key that cannot be opened for another reason counts as there.
    static bool HasServiceKey()
    {
        std::string path = std::string(kServicesKey) + "\\" + kZeroConfigService;
        HKEY key = nullptr;
        LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key);
        if (result == ERROR_SUCCESS)
            RegCloseKey(key);
        return result != ERROR_FILE_NOT_FOUND;
    }

    // A watch that cannot be set up counts as a change at every question.
    void WatchServices()
    {
        if (!servicesChanged_)
            servicesChanged_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!services_ && RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServicesKey, 0, KEY_NOTIFY, &services_) != ERROR_SUCCESS)
            services_ = nullptr;
        watching_ = servicesChanged_ && services_ && ResetEvent(servicesChanged_) &&
                    RegNotifyChangeKeyValue(services_, FALSE, REG_NOTIFY_CHANGE_NAME, servicesChanged_, TRUE) ==
                        ERROR_SUCCESS;
    }

    // On Windows XP a notification also ends, signalled, with the thread
    // that asked for it: that too counts as a change.
    bool ServicesChanged() const
    {
        return !watching_ || WaitForSingleObject(servicesChanged_, 0) != WAIT_TIMEOUT;
    }

    CRITICAL_SECTION lock_;  // the applet asks ahead on a thread of its own
    HKEY services_ = nullptr;
    HANDLE servicesChanged_ = nullptr;
    bool watching_ = false;
    bool absent_ = false;
    bool askedAhead_ = false;
    int aheadAnswer_ = 0;
    DWORD askedAheadAt_ = 0;
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

ZeroConfigService& TheZeroConfigService()
{
    static ZeroConfigService service;
    return service;
}

// The answer that vyrsim may force in the store: the Status page asks at
// every tick.
int ForcedZeroConfigAnswer()
{
    return CurrentCardSnapshot()->card.zeroConfig;
}

}  // namespace

PAvailableAdapters::PAvailableAdapters() : multipleConfigNames_(CurrentCardSnapshot()->state.multipleConfigNames) {}

PAvailableAdapters::~PAvailableAdapters() = default;

int PAvailableAdapters::CheckMultipleConfig()
{
    if (claim)
        return 1;
    if (IsForeignClaim(CurrentCardSnapshot()->card.foreignClaimSession))
        return 0;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ConfigurationClaimName(StoreRootPath()).c_str());
    if (!mutex)
        return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return 0;
    }
    claim = mutex;
    return 1;
}

void PAvailableAdapters::ClearMultipleConfig()
{
    if (claim) {
        CloseHandle(claim);
        claim = nullptr;
    }
}

int PAvailableAdapters::IsWirelessZeroConfigEnabled()
{
    int forced = ForcedZeroConfigAnswer();
    return forced == kZeroConfigAskService ? TheZeroConfigService().Query() : forced;
}

void PAvailableAdapters::AskWirelessZeroConfigAhead()
{
    if (ForcedZeroConfigAnswer() == kZeroConfigAskService)
        TheZeroConfigService().AskAhead();
}

BOOL PAvailableAdapters::SetRadioEnable(BOOL switchedOff)
{
    return UpdateCardState(OpenStore(), [&](CardState& state) {
        state.radioSwitchedOff = switchedOff != FALSE;
        return true;
    });
}

std::string& PAvailableAdapters::GetAdminProfileName(std::string& name) const
{
    return name = CurrentCardSnapshot()->state.adminProfileName;
}

BOOL PAvailableAdapters::SetAdminProfileName(const std::string& name)
{
    if (!name.empty() && !NameFault(name).empty())  // empty: none in use
        return FALSE;
    return UpdateCardState(OpenStore(), [&](CardState& state) {
        state.adminProfileName = name;
        return true;
    });
}

const std::vector<std::string>& PAvailableAdapters::GetMultipleConfigNames() const
{
    return multipleConfigNames_;
}
