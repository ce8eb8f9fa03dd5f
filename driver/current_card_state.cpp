#include "current_card_state.h"

#include "store.h"
#include "store_root.h"
#include "store_watch.h"

namespace {

class CardStateCache {
public:
    CardStateCache() { InitializeCriticalSection(&lock_); }

    CardState Read()
    {
        EnterCriticalSection(&lock_);
        std::string root = StoreRootPath();
        if (root != root_ || !watch_.Unchanged(root)) {
            RegistryKey store = OpenStore(root);
            watch_.Arm(store);  // before the read: a write during it shows at the next
            state_ = store.IsOpen() ? ReadCardState(store) : CardState();
            root_ = root;
        }
        CardState state = state_;
        LeaveCriticalSection(&lock_);
        return state;
    }

private:
    CRITICAL_SECTION lock_;  // the applet also calls from the thread that asks ahead
    StoreWatch watch_;
    std::string root_;
    CardState state_;
};

}  // namespace

CardState CurrentCardState()
{
    static CardStateCache cache;
    return cache.Read();
}
