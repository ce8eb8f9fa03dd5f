#include "zero_config_service.h"

#include <string>

ZeroConfigService::ZeroConfigService()
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string program = std::string(system) + "\\wuauserv.exe";
    service_ = CreateServiceA(manager_, "WZCSVC", "WZCSVC", SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                              SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, program.c_str(), nullptr, nullptr,
                              nullptr, nullptr, nullptr);
}

ZeroConfigService::~ZeroConfigService()
{
    Run(false);
    DeleteService(service_);
    CloseServiceHandle(service_);
    CloseServiceHandle(manager_);
}

bool ZeroConfigService::Run(bool running)
{
    SERVICE_STATUS status;
    if (running ? !StartServiceA(service_, 0, nullptr) : !ControlService(service_, SERVICE_CONTROL_STOP, &status))
        return false;
    for (int tries = 0; tries < 100; Sleep(100), ++tries) {
        if (QueryServiceStatus(service_, &status) && status.dwCurrentState == (running ? SERVICE_RUNNING : SERVICE_STOPPED))
            return true;
    }
    return false;
}
