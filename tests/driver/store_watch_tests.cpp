// The status and the Wireless Zero Configuration answer read the store only
// after a change notification; a store deleted and made again never
// signals its own.
#include "driver_support.h"

class StoreRemade : public CardTest {};

TEST_F(StoreRemade, TheStatusAndTheAnswerReadTheNewStore)
{
    PAvailableAdapters adapters;
    const struct { const char* line; const char* expected; } rows[] = {
        {"radio off", "radio=0 answer=0"},
        {"zeroconfig on", "radio=1 answer=1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, store_.Path().c_str()), ERROR_SUCCESS);
        ASSERT_EQ(Vyrsim(row.line).exitCode, 0u);
        status_->Refresh();
        EXPECT_EQ("radio=" + std::to_string(status_->IsRadioEnabled()) +
                      " answer=" + std::to_string(adapters.IsWirelessZeroConfigEnabled()),
                  row.expected);
    }
}
