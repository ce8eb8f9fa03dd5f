#include "profile_list.h"

#include <algorithm>

#include "profile_record.h"

namespace {

const char kOrder[] = "Order";
const char kNextId[] = "NextId";

}  // namespace

std::vector<std::string> ReadProfileOrder(const RegistryKey& list)
{
    return list.ReadStrings(kOrder);
}

std::string AddStoredProfile(const RegistryKey& list, const ProfileSettings& settings)
{
    if (!list.IsOpen())
        return std::string();
    std::vector<std::string> order = ReadProfileOrder(list);
    DWORD next = list.ReadDword(kNextId, 1);
    std::string id;
    do {
        id = "P" + std::to_string(next++);
    } while (std::find(order.begin(), order.end(), id) != order.end());
    list.DeleteChild(id);  // an unlisted leftover of a writer that died
    if (!list.WriteDword(kNextId, next) || !WriteProfileRecord(list.CreateChild(id), settings))
        return std::string();
    order.push_back(id);
    if (!list.WriteStrings(kOrder, order))
        return std::string();
    return id;
}

bool RemoveStoredProfile(const RegistryKey& list, const std::string& id)
{
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

std::string ProfileLocation(const char* listKey, const std::string& id)
{
    return std::string(listKey) + "\\" + id;
}
