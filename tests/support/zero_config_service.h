// A Wireless Zero Configuration service of the test's own: installed under
// the service's name with a program of Wine's that runs as a service
// whatever it is called, started and stopped on request, and deleted at the
// end, so that no other test meets it.
#pragma once

#include <windows.h>

class ZeroConfigService {
public:
    ZeroConfigService() = default;
    ~ZeroConfigService();
    ZeroConfigService(const ZeroConfigService&) = delete;
    ZeroConfigService& operator=(const ZeroConfigService&) = delete;

    bool Install();
    // Each waits until the service has got there.
    bool Start();
    bool Stop();
    bool Delete();

private:
    bool WaitFor(DWORD state);

    SC_HANDLE manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service_ = nullptr;
};
