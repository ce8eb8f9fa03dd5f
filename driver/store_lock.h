// A named mutex shared by the processes using one key of the store, held
// for the life of the object. Named from the key's path, so isolated stores
// do not meet.
#pragma once

#include <windows.h>

#include <string>

#include "registry_key.h"

class StoreLock {
public:
    // `kind` tells apart locks of one key taken for different purposes.
    StoreLock(const char* kind, const RegistryKey& key);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // False when another process kept it longer than any change takes.
    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

std::string StoreLockName(const char* kind, const std::string& keyPath);
