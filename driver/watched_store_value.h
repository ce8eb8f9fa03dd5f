// A value read from the card's store and kept until a change notification
// says the store changed, or another store is in use: for what the library
// is asked for again and again (at every tick, several times an opening).
// The applet also asks from the thread that asks ahead, so reads are locked.
#pragma once

#include <windows.h>

#include "store.h"
#include "store_root.h"
#include "store_watch.h"

template <class T>
class WatchedStoreValue {
public:
    // `read` reads the value from an open store, or from a closed one when
    // there is no store.
    WatchedStoreValue(T (*read)(const RegistryKey& store), T initial) : read_(read), value_(initial)
    {
        InitializeCriticalSection(&lock_);
    }

    T Get()
    {
        EnterCriticalSection(&lock_);
        std::string rootPath = StoreRootPath();
        if (rootPath != rootPath_ || !watch_.Unchanged(rootPath)) {
            RegistryKey store = OpenStore(rootPath);
            watch_.Arm(store);  // before the read: a write during it shows at the next
            value_ = read_(store);
            rootPath_ = rootPath;
        }
        T value = value_;
        LeaveCriticalSection(&lock_);
        return value;
    }

private:
    T (*read_)(const RegistryKey& store);
    CRITICAL_SECTION lock_;
    StoreWatch watch_;
    std::string rootPath_;
    T value_;
};
