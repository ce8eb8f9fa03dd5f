#include "store_access.h"

#include "arguments.h"
#include "driver/store.h"
#include "driver/store_root.h"

RegistryKey OpenCardStore()
{
    RegistryKey store = OpenStore();
    Require(store.IsOpen(), "open the card's store " + StoreDescription());
    return store;
}

std::string StoreDescription()
{
    return "HKEY_CURRENT_USER\\" + StoreRootPath();
}

void Require(bool done, const std::string& what)
{
    if (!done)
        throw Failure{"cannot " + what};
}
