// The status, the card's state and the Wireless Zero Configuration answer
// read the store only after a change notification. A store's deletion takes
// its keys first, which signals its own; a bare root deleted signals only
// its parent's. Processes that change the card's record at once lose no
// change.
#include <cstdio>
#include <map>

#include "driver/store.h"
#include "driver_support.h"

class StoreRemade : public CardTest {};

TEST_F(StoreRemade, TheStatusAndTheAnswerReadTheStoreMadeAgain)
{
    PAvailableAdapters adapters;
    const struct { const char* line; const char* expected; } rows[] = {
        {"radio off", "radio=0 answer=0"},
        {"zeroconfig on", "radio=1 answer=1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        RegistryKey root = RegistryKey::Open(store_.Path());
        for (const std::string& child : root.ChildNames())
            root.DeleteChild(child);
        status_->Refresh();
        adapters.IsWirelessZeroConfigEnabled();
        ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, store_.Path().c_str()), ERROR_SUCCESS);
        ASSERT_EQ(Vyrsim(row.line).exitCode, 0u);
        status_->Refresh();
        EXPECT_EQ("radio=" + std::to_string(status_->IsRadioEnabled()) +
                      " answer=" + std::to_string(adapters.IsWirelessZeroConfigEnabled()),
                  row.expected);
    }
}

// The card's state, which an opening asks for several times, is read again
// once another process changed it.
TEST_F(StoreRemade, TheCardStateAnotherProcessWritesIsReadNext)
{
    PAvailableAdapters adapters;
    std::string name;
    const struct { const char* line; const char* expected; } rows[] = {
        {"admin-profile Office", "Office"},
        {"admin-profile Home", "Home"},
        {"admin-profile --clear", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        adapters.GetAdminProfileName(name);
        ASSERT_EQ(Vyrsim(row.line).exitCode, 0u);
        EXPECT_EQ(adapters.GetAdminProfileName(name), row.expected);
    }
}

namespace {

const int kChanges = 40;

// Adds <prefix>1, <prefix>2, ... to the multiple-configuration list of the card's record, and applies the settings in
// effect again (which raises their generation), one change at a time, once the parent says go.
ChildScenario addSetNames("add-set-names", [](const std::string& prefix) {
    SetEvent(SharedEvent("ready-" + prefix));
    WaitForSingleObject(SharedEvent("change"), 30000);
    int written = 0;
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    for (int i = 1; i <= kChanges; ++i) {
        written += UpdateCardState(OpenStore(), [&](CardState& state) {
            state.multipleConfigNames.push_back(prefix + std::to_string(i));
            return true;
        });
        written += WriteAppliedProfile(OpenStore(), applied.settings, applied.location);
    }
    std::printf("%s wrote %d\n", prefix.c_str(), written);
    return 0;
});

}  // namespace

class CardRecord : public CardTest {};

TEST_F(CardRecord, ProcessesChangingItAtOnceLoseNoChange)
{
    HANDLE go = SharedEvent("change"), ready[] = {SharedEvent("ready-A"), SharedEvent("ready-B")};
    for (HANDLE event : {go, ready[0], ready[1]})
        ResetEvent(event);
    ChildProcess a("add-set-names", {"", "A"}), b("add-set-names", {"", "B"});
    AppliedProfile before, after;
    ReadAppliedProfile(OpenStore(), before);
    ASSERT_EQ(WaitForMultipleObjects(2, ready, TRUE, 30000), WAIT_OBJECT_0);
    SetEvent(go);
    std::string seen = a.Finish().output + b.Finish().output;
    std::map<char, int> kept;
    for (const std::string& name : ReadCardState(OpenStore()).multipleConfigNames)
        ++kept[name[0]];
    ReadAppliedProfile(OpenStore(), after);
    EXPECT_EQ(seen + "kept A " + std::to_string(kept['A']) + ", B " + std::to_string(kept['B']) + ", generation +" +
                  std::to_string(after.generation - before.generation),
              "A wrote 80\nB wrote 80\nkept A 40, B 40, generation +80");
}
