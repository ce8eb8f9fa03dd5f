#include "store_root.h"

#include <windows.h>

namespace {

const char kDefaultRoot[] = "Software\\Vyr\\80211API";

}  // namespace

std::string StoreRootPath()
{
    char path[512];
    DWORD length = GetEnvironmentVariableA("VYR80211_STORE", path, sizeof(path));
    if (length == 0 || length >= sizeof(path))
        return kDefaultRoot;
    return std::string(path, length);
}
