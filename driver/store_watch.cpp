#include "store_watch.h"

StoreWatch::StoreWatch()
{
    for (HANDLE& event : changed_)
        event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

StoreWatch::~StoreWatch()
{
    for (HANDLE event : changed_) {
        if (event)
            CloseHandle(event);
    }
}

void StoreWatch::Arm(const RegistryKey& root)
{
    armed_ = false;
    if (!changed_[kRoot] || !changed_[kParent] || !root.IsOpen())
        return;
    watched_ = root.Duplicate();
    std::string::size_type slash = root.Path().rfind('\\');
    std::string parentPath = slash == std::string::npos ? std::string() : root.Path().substr(0, slash);
    parent_ = RegistryKey::Open(parentPath);  // the one before may have been deleted with the root
    ResetEvent(changed_[kRoot]);
    ResetEvent(changed_[kParent]);
    const DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    armed_ = watched_.IsOpen() && watched_.NotifyChange(kChanges, changed_[kRoot]) &&
             parent_.NotifyChange(REG_NOTIFY_CHANGE_NAME, changed_[kParent], false);
}

bool StoreWatch::Unchanged(const std::string& rootPath) const
{
    return armed_ && watched_.Path() == rootPath &&
           WaitForMultipleObjects(kWatches, changed_, FALSE, 0) == WAIT_TIMEOUT;
}
