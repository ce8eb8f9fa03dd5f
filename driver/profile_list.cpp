#include "profile_list.h"

#include <algorithm>
#include <unordered_set>

#include "profile_record.h"
#include "store_lock.h"

namespace {

const char kOrder[] = "Order";
const char kNextId[] = "NextId";
// Held while a process reads, changes and writes back the order, so that
// processes changing it at once neither write back orders that lack each
// other's changes nor take the same new key.
const char kListLock[] = "ProfileList";

}  // namespace

std::vector<std::string> ReadProfileOrder(const RegistryKey& list)
{
    return list.ReadStrings(kOrder);
}

std::string AddStoredProfile(const RegistryKey& list, const ProfileSettings& settings)
{
    if (!list.IsOpen())
        return std::string();
    StoreLock lock(kListLock, list);
    if (!lock.Held())
        return std::string();
    std::vector<std::string> order = ReadProfileOrder(list);
    // Each key the order holds is looked up in constant time.
    std::unordered_set<std::string> listed(order.begin(), order.end());
    DWORD next = list.ReadDword(kNextId, 1);
    std::string id;
    do {
        id = "P" + std::to_string(next++);
    } while (listed.count(id) != 0);
    list.DeleteChild(id);  // an unlisted leftover of a writer that died
    if (!list.WriteDword(kNextId, next) || !WriteProfileRecord(list.CreateChild(id), settings))
        return std::string();
    order.push_back(id);
    if (!list.WriteStrings(kOrder, order)) {
        list.DeleteChild(id);  // nobody would ever see it
        return std::string();
    }
    return id;
}

bool RemoveStoredProfile(const RegistryKey& list, const std::string& id)
{
    StoreLock lock(kListLock, list);
    if (!lock.Held())
        return false;
    std::vector<std::string> order = ReadProfileOrder(list);
    auto found = std::find(order.begin(), order.end(), id);
    if (found == order.end())
        return false;
    order.erase(found);
    if (!list.WriteStrings(kOrder, order))
        return false;
    list.DeleteChild(id);
    return true;
}

std::string ProfileListLockName(const std::string& listPath)
{
    return StoreLockName(kListLock, listPath);
}

std::string ProfileLocation(const char* listKey, const std::string& id)
{
    return std::string(listKey) + "\\" + id;
}
