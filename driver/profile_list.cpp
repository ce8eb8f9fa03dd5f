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
    // Over any unlisted record that a writer dying here left: the next id
    // is taken again until the order holds it.
    if (!WriteProfileRecord(list, id, settings))
        return std::string();
    order.push_back(id);
    if (!list.WriteStrings(kOrder, order)) {
        list.DeleteValue(id.c_str());  // nobody would ever see it
        return std::string();
    }
    list.WriteDword(kNextId, next);  // lagging, it costs the next addition a look at the order
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
    list.DeleteValue(id.c_str());
    return true;
}

bool RewriteStoredProfile(const RegistryKey& list, const std::string& id, const ProfileSettings& settings,
                          Secrets secrets)
{
    // Under the lock, a removal cannot come between the look and the write.
    StoreLock lock(kListLock, list);
    return lock.Held() && list.HasValue(id.c_str()) && WriteProfileRecord(list, id, settings, secrets);
}

bool ReadStoredProfileAt(const RegistryKey& store, const std::string& location, ProfileSettings& settings)
{
    std::string::size_type slash = location.find('\\');
    return slash != std::string::npos &&
           ReadProfileRecord(store.OpenChild(location.substr(0, slash)), location.substr(slash + 1), settings);
}

std::string ProfileListLockName(const std::string& listPath)
{
    return StoreLockName(kListLock, listPath);
}

std::string ProfileLocation(const char* listKey, const std::string& id)
{
    return std::string(listKey) + "\\" + id;
}
