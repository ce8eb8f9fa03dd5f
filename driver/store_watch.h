// Whether anything in the card's store changed since it was last read:
// registry change notifications, armed again at each read, so that a reader
// that polls (the status at every Refresh) reads the store only when
// another process or this one wrote to it. A root deleted (and made again)
// never signals its own notification, but its parent's: the parent is
// watched for keys added or removed, and one wait looks at both.
#pragma once

#include <windows.h>

#include "registry_key.h"

class StoreWatch {
public:
    StoreWatch();
    ~StoreWatch();
    StoreWatch(const StoreWatch&) = delete;
    StoreWatch& operator=(const StoreWatch&) = delete;

    // Watches `root` from now on; call it before reading the store, so that
    // a write during the read is seen at the next check.
    void Arm(const RegistryKey& root);
    // True only when the root armed at `rootPath` is still the store and
    // nothing under it changed since.
    bool Unchanged(const std::string& rootPath) const;

private:
    enum { kRoot, kParent, kWatches };
    HANDLE changed_[kWatches];
    RegistryKey watched_;
    RegistryKey parent_;
    bool armed_ = false;
};
