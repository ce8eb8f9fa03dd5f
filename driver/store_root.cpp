#include "store_root.h"

#include <windows.h>

#include <vector>

const char kStoreVariable[] = "VYR80211_STORE";

namespace {

const char kDefaultRoot[] = "Software\\Vyr\\80211API";

}  // namespace

std::string StoreRootPath()
{
    std::vector<char> path(kLongestStoreRootPath + 2);
    DWORD length = GetEnvironmentVariableA(kStoreVariable, path.data(), static_cast<DWORD>(path.size()));
    if (length >= path.size()) {  // the size it needs, with its terminator
        path.resize(length);
        length = GetEnvironmentVariableA(kStoreVariable, path.data(), static_cast<DWORD>(path.size()));
    }
    if (length == 0 || length >= path.size())
        return kDefaultRoot;
    return std::string(path.data(), length);
}
