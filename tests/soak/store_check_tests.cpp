// What the soak finds wrong with the store afterwards: each damage a random
// user's run could leave, made on purpose, is named.
#include <gtest/gtest.h>

#include <functional>

#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/store.h"
#include "store_check.h"
#include "support/isolated_store.h"

namespace {

class StoreCheck : public StoreTest {};

RegistryKey Profiles()
{
    return OpenStore().OpenChild(kProfilesKey);
}

TEST_F(StoreCheck, NamesEachDamage)
{
    const std::string first = ReadProfileOrder(Profiles()).front();
    auto addNamed = [](const char* name) {
        return [name] {
            ProfileSettings settings;
            settings.name = name;
            AddStoredProfile(Profiles(), settings);
        };
    };
    const std::string stored = "Profiles\\" + first;
    const struct { const char* damage; std::function<void()> make; std::string faults; } rows[] = {
        {"none", [] {}, ""},
        {"a record nobody lists", [] { WriteProfileRecord(Profiles(), "P77", ProfileSettings()); },
         "Profiles\\P77 is stored but not listed"},
        {"a record that does not decode", [&] { Profiles().WriteBinary(first.c_str(), "VYR2\x01"); },
         stored + " does not load whole; the stored selection " + stored + " does not load"},
        {"a profile listed twice", [&] {
             std::vector<std::string> order = ReadProfileOrder(Profiles());
             order.push_back(first);
             Profiles().WriteStrings("Order", order);
         }, stored + " is listed twice; " + stored + ": the name \"Default\" is taken"},
        {"a name taken in another case", addNamed("DEFAULT"), "Profiles\\P2: the name \"DEFAULT\" is taken"},
        {"a name with a control character", addNamed("Lab\t5"), "Profiles\\P2: the name holds a control character"},
        {"a selection of no profile", [] {
             CardState state = ReadCardState(OpenStore());
             state.currentConfiguration = ProfileLocation(kProfilesKey, "P99");
             WriteCardState(OpenStore(), state);
         }, "the stored selection Profiles\\P99 does not load"},
        {"the settings in effect gone", [] { OpenStore().OpenChild(kCardKey).DeleteValue(kAppliedKey); },
         "the settings in effect do not load"},
    };
    std::string expected, actual;
    for (const auto& row : rows) {
        ResetStore();
        row.make();
        expected += std::string(row.damage) + ": " + row.faults + "\n";
        std::string faults;
        for (const std::string& fault : StoreFaults())
            faults += (faults.empty() ? "" : "; ") + fault;
        actual += std::string(row.damage) + ": " + faults + "\n";
    }
    EXPECT_EQ(expected, actual);
}

}  // namespace
