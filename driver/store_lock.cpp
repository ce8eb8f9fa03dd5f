#include "store_lock.h"

namespace {

// Far longer than any process holds a lock, short enough that a process
// stopped while holding one costs the others a failed change, not a hang.
const DWORD kLockWait = 2000;

}  // namespace

std::string StoreLockName(const char* kind, const std::string& keyPath)
{
    // In the session's namespace: the store is the user's, and a global
    // name could meet another user's mutex, which would be closed to us.
    char name[96];
    wsprintfA(name, "Vyr80211%s.%08lX", kind, RegistryPathHash(keyPath));
    return name;
}

StoreLock::StoreLock(const char* kind, const RegistryKey& key)
    : mutex_(CreateMutexA(nullptr, FALSE, StoreLockName(kind, key.Path()).c_str()))
{
    // Abandoned by a holder that died: what it guarded is written one whole
    // value at a time, so it is still sound.
    DWORD waited = mutex_ ? WaitForSingleObject(mutex_, kLockWait) : WAIT_FAILED;
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

StoreLock::~StoreLock()
{
    if (held_)
        ReleaseMutex(mutex_);
    if (mutex_)
        CloseHandle(mutex_);
}
