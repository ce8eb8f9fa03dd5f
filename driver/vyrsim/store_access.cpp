#include "store_access.h"

#include "arguments.h"
#include "driver/store.h"
#include "driver/store_root.h"

void RequireUsableStore()
{
    std::string refusal = StoreRefusal(StoreRootPath());
    if (!refusal.empty())
        throw Failure{"cannot use the card's store: " + refusal + "; the library reports no card"};
}

RegistryKey OpenCardStore()
{
    RequireUsableStore();
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
