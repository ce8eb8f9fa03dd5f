#include "store_watch.h"

#include "store.h"

StoreWatch::StoreWatch() : changed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

StoreWatch::~StoreWatch()
{
    if (changed_)
        CloseHandle(changed_);
}

void StoreWatch::Arm(const RegistryKey& root)
{
    armed_ = false;
    if (!changed_ || !root.IsOpen())
        return;
    watched_ = root.Duplicate();
    ResetEvent(changed_);
    const DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    armed_ = watched_.IsOpen() && watched_.NotifyChange(kChanges, changed_);
}

bool StoreWatch::Unchanged(const std::string& rootPath) const
{
    // A root deleted (and made again) or given another format fails the
    // mark; its notification might never come.
    return armed_ && watched_.Path() == rootPath && WaitForSingleObject(changed_, 0) == WAIT_TIMEOUT &&
           watched_.ReadDword(kFormatValue, 0) == kStoreMade;
}
