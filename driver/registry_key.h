// A registry key of the card's store, closed with its object. Reads answer
// a fallback for a missing value or a value of another type, so a damaged
// store reads as defaults instead of failing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // `path` is under HKEY_CURRENT_USER. An object that failed to open is
    // closed (IsOpen false); reads then answer their fallbacks.
    static RegistryKey Open(const std::string& path);
    static RegistryKey Create(const std::string& path);
    RegistryKey OpenChild(const std::string& name) const;
    RegistryKey CreateChild(const std::string& name) const;

    bool IsOpen() const { return handle_ != nullptr; }

    DWORD ReadDword(const char* name, DWORD fallback) const;
    bool HasValue(const char* name) const;
    std::string ReadString(const char* name) const;
    std::string ReadBinary(const char* name) const;
    std::vector<std::string> ReadStrings(const char* name) const;

    bool WriteDword(const char* name, DWORD value) const;
    bool WriteString(const char* name, const std::string& value) const;
    bool WriteBinary(const char* name, const std::string& value) const;
    bool WriteStrings(const char* name, const std::vector<std::string>& values) const;
    bool DeleteValue(const char* name) const;
    bool DeleteChild(const std::string& name) const;

    std::vector<std::string> ChildNames() const;
    // No values and no keys in it; false for a key that is not open.
    bool IsEmpty() const;

private:
    explicit RegistryKey(HKEY handle) : handle_(handle) {}
    bool ReadRaw(const char* name, DWORD type, std::string& data) const;
    bool WriteRaw(const char* name, DWORD type, const void* data, size_t size) const;

    HKEY handle_ = nullptr;
};

// Deletes a key under HKEY_CURRENT_USER with everything below it.
bool DeleteRegistryTree(const std::string& path);
