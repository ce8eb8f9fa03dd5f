// A registry key of the card's store, closed with its object. Reads answer
// a fallback for a missing value or a value of another type, so a damaged
// store reads as defaults instead of failing. Any other failure, such as
// the key being deleted by another process while it is read, is kept in
// ReadError so that a reader can tell a torn read from a damaged store.
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
    // Another handle to the same key, closed with its own object.
    RegistryKey Duplicate() const;
    RegistryKey CreateChild(const std::string& name) const;

    bool IsOpen() const { return handle_ != nullptr; }
    // The path it was opened by, under HKEY_CURRENT_USER.
    const std::string& Path() const { return path_; }

    DWORD ReadDword(const char* name, DWORD fallback) const;
    bool HasValue(const char* name) const;
    std::string ReadString(const char* name) const;
    std::string ReadString(const char* name, const std::string& fallback) const;
    std::string ReadBinary(const char* name) const;
    std::vector<std::string> ReadStrings(const char* name) const;
    // The first error of a read that was not a missing value or one of
    // another type; ERROR_SUCCESS when there was none.
    LONG ReadError() const { return readError_; }

    bool WriteDword(const char* name, DWORD value) const;
    bool WriteString(const char* name, const std::string& value) const;
    bool WriteBinary(const char* name, const std::string& value) const;
    bool WriteStrings(const char* name, const std::vector<std::string>& values) const;
    bool DeleteValue(const char* name) const;
    bool DeleteChild(const std::string& name) const;

    std::vector<std::string> ChildNames() const;
    // Signals `event` at the next change of `filter` (REG_NOTIFY_CHANGE_...)
    // to this key, or any below it with `subtree`.
    bool NotifyChange(DWORD filter, HANDLE event, bool subtree = true) const;
    // No values and no keys in it; false for a key that is not open.
    bool IsEmpty() const;

private:
    RegistryKey(HKEY handle, std::string path) : handle_(handle), path_(handle ? std::move(path) : std::string()) {}
    static const DWORD kLongestFirstRead = 4096;
    // Asks for at most `firstRead` bytes first, and for the value's whole
    // size only when it is longer.
    bool ReadRaw(const char* name, DWORD type, std::string& data, DWORD firstRead = 512) const;
    bool WriteRaw(const char* name, DWORD type, const void* data, size_t size) const;

    HKEY handle_ = nullptr;
    std::string path_;
    mutable LONG readError_ = ERROR_SUCCESS;
};

// The same for every spelling of one registry path (they ignore case), to
// name objects shared by the processes using that key.
DWORD RegistryPathHash(const std::string& path);

// Deletes a key under HKEY_CURRENT_USER with everything below it.
bool DeleteRegistryTree(const std::string& path);
