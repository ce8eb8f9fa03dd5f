// The driver-interface library of the Vyr 11a/b/g Wireless LAN Mini PCI
// Adapter: profiles, live status and the card's shared state. Objects that
// the library returns stay the library's; callers never free them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#ifdef VYR80211_BUILDING
#define VYR80211_API __declspec(dllexport)
#else
#define VYR80211_API __declspec(dllimport)
#endif

// One profile: a named set of card settings.
class CAdapterConfig {
public:
    virtual std::string& GetName(std::string& name) const = 0;
    virtual BOOL SetName(const std::string& name) = 0;

protected:
    virtual ~CAdapterConfig() = default;
};

// A list owned by the library: element pointers and a count.
class CAdapterConfigArray {
public:
    virtual int GetCount() const = 0;
    virtual CAdapterConfig* GetAt(int index) const = 0;

protected:
    virtual ~CAdapterConfigArray() = default;
};

class CDriverAdapter {
public:
    // The profiles of the adapter.
    virtual CAdapterConfigArray* GetConfigurations() = 0;
    // Profiles provisioned for every user of the machine by an administrator.
    virtual CAdapterConfigArray* GetSecondConfigurations() = 0;
    // The profile stored as the adapter's selection.
    virtual CAdapterConfig* GetCurrentConfiguration() = 0;

protected:
    virtual ~CDriverAdapter() = default;
};

class CDriverAdapterArray {
public:
    virtual int GetCount() const = 0;
    virtual CDriverAdapter* GetAt(int index) const = 0;

protected:
    virtual ~CDriverAdapterArray() = default;
};

class CDriverConfigurator {
public:
    // The adapters the driver reports; empty when no card is installed.
    virtual CDriverAdapterArray* GetAdapters() = 0;

protected:
    virtual ~CDriverConfigurator() = default;
};

class VYR80211_API CVeltoDriverConfigurator {
public:
    // The process's one configurator.
    static CDriverConfigurator* GetInstance();
};

// The card's state shared between processes and sessions: the
// configuration claim, the Wireless Zero Configuration service, and the
// names that mark multiple-configuration profiles.
class VYR80211_API PAvailableAdapters {
public:
    PAvailableAdapters();
    ~PAvailableAdapters();
    PAvailableAdapters(const PAvailableAdapters&) = delete;
    PAvailableAdapters& operator=(const PAvailableAdapters&) = delete;

    // Claims the card's configuration for this process: nonzero when this
    // process holds the claim, 0 when another process or session holds it.
    int CheckMultipleConfig();
    // Releases this process's claim.
    void ClearMultipleConfig();
    // 1 when Windows' Wireless Zero Configuration service manages the card,
    // 0 when it does not, -1 when the service cannot be queried.
    int IsWirelessZeroConfigEnabled();
    // Prefixes (before "_") of profiles that belong to a multiple
    // configuration set up for the machine.
    const std::vector<std::string>& GetMultipleConfigNames() const;

private:
    std::vector<std::string> multipleConfigNames_;
};
