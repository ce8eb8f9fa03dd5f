// A Wireless Zero Configuration service of the test's own, installed for
// the object's life: a program of Wine's that runs as a service whatever
// it is called.
#pragma once

#include <windows.h>

class ZeroConfigService {
public:
    ZeroConfigService();
    ~ZeroConfigService();
    // Starts or stops it, and waits until it has got there.
    bool Run(bool running);

private:
    SC_HANDLE manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service_ = nullptr;
};
