// A store of the simulated card that belongs to one test: the library's registry root moved to a key of its own,
// holding the embedded default at the start and removed at the end.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class IsolatedStore {
public:
    // `second` names a further store of the same test.
    explicit IsolatedStore(const std::string& second = std::string());
    ~IsolatedStore();
    IsolatedStore(const IsolatedStore&) = delete;
    IsolatedStore& operator=(const IsolatedStore&) = delete;

    // The registry path under HKEY_CURRENT_USER, also in VYR80211_STORE, so that child processes share the store.
    const std::string& Path() const { return path_; }

    // Forces a value of the simulated card (for example its Wireless Zero Configuration answer).
    void SetSimulation(const char* name, DWORD value);
    void SetMultipleConfigNames(const std::vector<std::string>& names);
    // Rewrites the profile lists as an installation would have left them: `own` in this order ("Default" where it is
    // named), then `provisioned`. The selection, in effect, is Default, or the first profile without it. The library
    // reads them when it first meets the store.
    void StoreProfiles(const std::vector<std::string>& own, const std::vector<std::string>& provisioned = {});

private:
    std::string path_;
};

// A test with a store of its own.
class StoreTest : public testing::Test {
protected:
    IsolatedStore store_;
};
