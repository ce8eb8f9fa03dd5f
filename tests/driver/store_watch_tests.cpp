// The status, the card's state and the Wireless Zero Configuration answer
// read the store only after a change notification. A store's deletion takes
// its keys first, which signals its own; a bare root deleted signals only
// its parent's.
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
