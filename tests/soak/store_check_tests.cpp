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

class StoreCheck : public testing::Test {
protected:
    IsolatedStore store_;
};

RegistryKey Profiles()
{
    return OpenStore().OpenChild(kProfilesKey);
}

void AddNamed(const std::string& name)
{
    ProfileSettings settings;
    settings.name = name;
    AddStoredProfile(Profiles(), settings);
}

void ListFirstTwice()
{
    std::vector<std::string> order = ReadProfileOrder(Profiles());
    order.push_back(order.front());
    Profiles().WriteStrings("Order", order);
}

void SelectNowhere()
{
    RegistryKey store = OpenStore();
    CardState state = ReadCardState(store);
    state.currentConfiguration = ProfileLocation(kProfilesKey, "P99");
    WriteCardState(store, state);
}

std::string Faults()
{
    std::string joined;
    for (const std::string& fault : StoreFaults())
        joined += (joined.empty() ? "" : "; ") + fault;
    return joined;
}

TEST_F(StoreCheck, NamesEachDamage)
{
    const std::string first = ReadProfileOrder(Profiles()).front();
    struct Row {
        const char* damage;
        std::function<void()> make;
        std::string faults;
    };
    const Row rows[] = {
        {"none", [] {}, ""},
        {"a record nobody lists", [] { WriteProfileRecord(Profiles(), "P77", ProfileSettings()); },
         "Profiles\\P77 is stored but not listed"},
        {"a record that does not decode", [&] { Profiles().WriteBinary(first.c_str(), "VYR2\x01"); },
         "Profiles\\" + first + " does not load whole; the stored selection Profiles\\" + first +
             " does not load"},
        {"a profile listed twice", ListFirstTwice,
         "Profiles\\" + first + " is listed twice; Profiles\\" + first + ": the name \"Default\" is taken"},
        {"a name taken in another case", [] { AddNamed("DEFAULT"); }, "Profiles\\P2: the name \"DEFAULT\" is taken"},
        {"a name with a control character", [] { AddNamed("Lab\t5"); },
         "Profiles\\P2: the name holds a control character"},
        {"a selection of no profile", SelectNowhere, "the stored selection Profiles\\P99 does not load"},
        {"the settings in effect gone", [] { OpenStore().OpenChild(kCardKey).DeleteValue(kAppliedKey); },
         "the settings in effect do not load"},
    };
    std::string expected, actual;
    for (const Row& row : rows) {
        ResetStore();
        row.make();
        expected += std::string(row.damage) + ": " + row.faults + "\n";
        actual += std::string(row.damage) + ": " + Faults() + "\n";
    }
    EXPECT_EQ(expected, actual);
}

}  // namespace
