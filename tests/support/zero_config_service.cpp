#include "zero_config_service.h"

namespace {

const char kName[] = "WZCSVC";

}  // namespace

ZeroConfigService::~ZeroConfigService()
{
    Delete();
    if (manager_)
        CloseServiceHandle(manager_);
}

bool ZeroConfigService::Install()
{
    char program[MAX_PATH];
    GetSystemDirectoryA(program, MAX_PATH);
    lstrcatA(program, "\\wuauserv.exe");
    service_ = CreateServiceA(manager_, kName, kName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                              SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, program, nullptr, nullptr, nullptr, nullptr,
                              nullptr);
    return service_ != nullptr;
}

bool ZeroConfigService::Start()
{
    return service_ && StartServiceA(service_, 0, nullptr) && WaitFor(SERVICE_RUNNING);
}

bool ZeroConfigService::Stop()
{
    SERVICE_STATUS status;
    return service_ && ControlService(service_, SERVICE_CONTROL_STOP, &status) && WaitFor(SERVICE_STOPPED);
}

bool ZeroConfigService::Delete()
{
    if (!service_)
        return false;
    SERVICE_STATUS status;
    if (QueryServiceStatus(service_, &status) && status.dwCurrentState != SERVICE_STOPPED)
        Stop();
    bool deleted = DeleteService(service_);
    CloseServiceHandle(service_);
    service_ = nullptr;
    return deleted;
}

bool ZeroConfigService::WaitFor(DWORD state)
{
    SERVICE_STATUS status;
    for (int tries = 0; tries < 100; ++tries) {
        if (QueryServiceStatus(service_, &status) && status.dwCurrentState == state)
            return true;
        Sleep(100);
    }
    return false;
}
