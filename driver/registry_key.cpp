#include "registry_key.h"

#include <utility>

namespace {

HKEY OpenUnder(HKEY parent, const std::string& path, bool create)
{
    if (!parent)
        return nullptr;
    HKEY handle = nullptr;
    LONG result = create ? RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                                           nullptr)
                         : RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &handle);
    return result == ERROR_SUCCESS ? handle : nullptr;
}

// RegDeleteTree is newer than Windows XP, which the library still serves.
bool DeleteTreeUnder(HKEY parent, const std::string& name)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return false;
    char child[256];
    for (;;) {
        DWORD length = sizeof(child);
        if (RegEnumKeyExA(handle, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (!DeleteTreeUnder(handle, std::string(child, length)))
            break;
    }
    RegCloseKey(handle);
    return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace

RegistryKey::~RegistryKey()
{
    if (handle_)
        RegCloseKey(handle_);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), path_(std::move(other.path_)), readError_(other.readError_)
{
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        if (handle_)
            RegCloseKey(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        path_ = std::move(other.path_);
        readError_ = other.readError_;
    }
    return *this;
}

RegistryKey RegistryKey::Open(const std::string& path)
{
    return RegistryKey(OpenUnder(HKEY_CURRENT_USER, path, false), path);
}

RegistryKey RegistryKey::Create(const std::string& path)
{
    return RegistryKey(OpenUnder(HKEY_CURRENT_USER, path, true), path);
}

RegistryKey RegistryKey::OpenChild(const std::string& name) const
{
    return RegistryKey(OpenUnder(handle_, name, false), path_ + "\\" + name);
}

RegistryKey RegistryKey::Duplicate() const
{
    HKEY handle = nullptr;
    if (!handle_ || RegOpenKeyExA(handle_, nullptr, 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        handle = nullptr;
    return RegistryKey(handle, path_);
}

RegistryKey RegistryKey::CreateChild(const std::string& name) const
{
    return RegistryKey(OpenUnder(handle_, name, true), path_ + "\\" + name);
}

bool RegistryKey::ReadRaw(const char* name, DWORD type, std::string& data, DWORD firstRead) const
{
    if (!handle_)
        return false;
    // One call instead of asking for the size first, for every value that
    // fits.
    char buffer[kLongestFirstRead];
    DWORD actualType = 0;
    DWORD size = firstRead;
    LONG result = RegQueryValueExA(handle_, name, nullptr, &actualType, reinterpret_cast<BYTE*>(buffer), &size);
    if (result == ERROR_SUCCESS) {
        if (actualType != type)
            return false;
        data.assign(buffer, size);
        return true;
    }
    // Another process may make the value longer between two calls.
    while (result == ERROR_MORE_DATA) {
        if (actualType != type)
            return false;
        data.assign(size, '\0');
        result = RegQueryValueExA(handle_, name, nullptr, &actualType, reinterpret_cast<BYTE*>(&data[0]), &size);
        if (result == ERROR_SUCCESS) {
            if (actualType != type)
                return false;
            data.resize(size);
            return true;
        }
    }
    if (result != ERROR_FILE_NOT_FOUND && readError_ == ERROR_SUCCESS)
        readError_ = result;
    return false;
}

bool RegistryKey::WriteRaw(const char* name, DWORD type, const void* data, size_t size) const
{
    return handle_ && RegSetValueExA(handle_, name, 0, type, static_cast<const BYTE*>(data),
                                     static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

DWORD RegistryKey::ReadDword(const char* name, DWORD fallback) const
{
    std::string data;
    if (!ReadRaw(name, REG_DWORD, data) || data.size() != sizeof(DWORD))
        return fallback;
    DWORD value;
    memcpy(&value, data.data(), sizeof(value));
    return value;
}

bool RegistryKey::HasValue(const char* name) const
{
    return handle_ && RegQueryValueExA(handle_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string RegistryKey::ReadString(const char* name) const
{
    return ReadString(name, std::string());
}

std::string RegistryKey::ReadString(const char* name, const std::string& fallback) const
{
    std::string data;
    if (!ReadRaw(name, REG_SZ, data))
        return fallback;
    return data.substr(0, data.find('\0'));
}

std::string RegistryKey::ReadBinary(const char* name) const
{
    std::string data;
    // A profile's record with its sealed secrets fits.
    return ReadRaw(name, REG_BINARY, data, kLongestFirstRead) ? data : std::string();
}

std::vector<std::string> RegistryKey::ReadStrings(const char* name) const
{
    std::vector<std::string> strings;
    std::string data;
    if (!ReadRaw(name, REG_MULTI_SZ, data))
        return strings;
    data.push_back('\0');  // a value written without its final terminators still ends
    for (std::string::size_type start = 0; start < data.size() && data[start] != '\0';) {
        std::string::size_type end = data.find('\0', start);
        strings.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}

bool RegistryKey::WriteDword(const char* name, DWORD value) const
{
    return WriteRaw(name, REG_DWORD, &value, sizeof(value));
}

bool RegistryKey::WriteString(const char* name, const std::string& value) const
{
    return WriteRaw(name, REG_SZ, value.c_str(), value.size() + 1);
}

bool RegistryKey::WriteBinary(const char* name, const std::string& value) const
{
    return WriteRaw(name, REG_BINARY, value.data(), value.size());
}

bool RegistryKey::WriteStrings(const char* name, const std::vector<std::string>& values) const
{
    std::string block;
    for (const std::string& value : values)
        block += value + '\0';
    block += '\0';
    return WriteRaw(name, REG_MULTI_SZ, block.data(), block.size());
}

bool RegistryKey::DeleteValue(const char* name) const
{
    return handle_ && RegDeleteValueA(handle_, name) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteChild(const std::string& name) const
{
    return handle_ && DeleteTreeUnder(handle_, name);
}

bool RegistryKey::IsEmpty() const
{
    DWORD keys = 0, values = 0;
    return handle_ &&
           RegQueryInfoKeyA(handle_, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS &&
           keys == 0 && values == 0;
}

std::vector<std::string> RegistryKey::ChildNames() const
{
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0; handle_; ++index) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(handle_, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

bool RegistryKey::NotifyChange(DWORD filter, HANDLE event, bool subtree) const
{
    return handle_ && RegNotifyChangeKeyValue(handle_, subtree, filter, event, TRUE) == ERROR_SUCCESS;
}

bool DeleteRegistryTree(const std::string& path)
{
    return DeleteTreeUnder(HKEY_CURRENT_USER, path);
}

DWORD RegistryPathHash(const std::string& path)
{
    DWORD hash = 2166136261u;
    for (char c : path) {
        // ASCII only: the C runtime's tolower follows the locale under Wine.
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<unsigned char>(byte - 'A' + 'a');
        hash ^= byte;
        hash *= 16777619u;
    }
    return hash;
}
