#include "store_root.h"

namespace {

const char kDefaultRoot[] = "Software\\Vyr\\80211API";

// Reads a value of a key under the store root; false when either is absent
// or the value has another type.
bool ReadValue(const std::string& key, const char* name, DWORD type, std::string& data)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD actualType = 0;
    DWORD size = 0;
    bool found = RegQueryValueExA(handle, name, nullptr, &actualType, nullptr, &size) == ERROR_SUCCESS &&
                 actualType == type;
    if (found) {
        data.assign(size, '\0');
        found = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size) ==
                ERROR_SUCCESS;
        data.resize(size);
    }
    RegCloseKey(handle);
    return found;
}

}  // namespace

std::string StoreRootPath()
{
    char path[512];
    DWORD length = GetEnvironmentVariableA("VYR80211_STORE", path, sizeof(path));
    if (length == 0 || length >= sizeof(path))
        return kDefaultRoot;
    return std::string(path, length);
}

DWORD ReadSimulationValue(const char* name, DWORD fallback)
{
    std::string data;
    if (!ReadValue(StoreRootPath() + "\\Simulation", name, REG_DWORD, data) || data.size() != sizeof(DWORD))
        return fallback;
    return *reinterpret_cast<const DWORD*>(data.data());
}

std::vector<std::string> ReadStoreStrings(const char* name)
{
    std::vector<std::string> strings;
    std::string data;
    if (!ReadValue(StoreRootPath(), name, REG_MULTI_SZ, data))
        return strings;
    data.push_back('\0');  // a value written without its final terminators still ends
    for (std::string::size_type start = 0; start < data.size() && data[start] != '\0';) {
        std::string::size_type end = data.find('\0', start);
        strings.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}
