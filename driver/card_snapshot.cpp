#include "card_snapshot.h"

#include <windows.h>

#include "store.h"
#include "store_root.h"
#include "store_watch.h"

namespace {

std::shared_ptr<const CardSnapshot> ReadSnapshot(const RegistryKey& store)
{
    auto snapshot = std::make_shared<CardSnapshot>();
    snapshot->card = ReadSimulatedCard(store, Secrets::Sealed);
    snapshot->card.present = snapshot->card.present && store.IsOpen();
    snapshot->state = ReadCardState(store);
    snapshot->linkFailure = ReadLinkFailure(store);
    snapshot->hasApplied = ReadAppliedProfile(store, snapshot->applied, Secrets::Sealed);
    return snapshot;
}

// The applet also asks from the thread that asks ahead, so reads are locked.
class WatchedSnapshot {
public:
    WatchedSnapshot() { InitializeCriticalSection(&lock_); }

    std::shared_ptr<const CardSnapshot> Get()
    {
        EnterCriticalSection(&lock_);
        std::string rootPath = StoreRootPath();
        if (!snapshot_ || rootPath != rootPath_ || !watch_.Unchanged(rootPath)) {
            RegistryKey store = OpenStore(rootPath);
            watch_.Arm(store);  // before the read: a write during it shows at the next
            snapshot_ = ReadSnapshot(store);
            rootPath_ = rootPath;
        }
        std::shared_ptr<const CardSnapshot> snapshot = snapshot_;
        LeaveCriticalSection(&lock_);
        return snapshot;
    }

private:
    CRITICAL_SECTION lock_;
    StoreWatch watch_;
    std::string rootPath_;
    std::shared_ptr<const CardSnapshot> snapshot_;
};

}  // namespace

std::shared_ptr<const CardSnapshot> CurrentCardSnapshot()
{
    static WatchedSnapshot snapshot;
    return snapshot.Get();
}
