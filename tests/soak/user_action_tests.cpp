// The soak's random user: it acts only on what a user could reach, every
// kind of action comes up, and a seed draws the same actions again.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "card_changes.h"
#include "driver/store.h"
#include "random_stream.h"
#include "support/isolated_store.h"
#include "user_actions.h"

namespace {

class RandomUser : public StoreTest {};

HWND Child(HWND parent, const char* windowClass, const char* text, int id, DWORD style)
{
    return CreateWindowExA(0, windowClass, text, WS_CHILD | style, 0, 0, 50, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// What a run of draws touched: the kinds, and any control out of reach.
std::vector<std::string> Draw(HWND front)
{
    ResetStore();
    std::vector<std::string> texts;
    for (uint64_t action = 0; action < 400; ++action) {
        RandomStream random(7, action);
        texts.push_back(ChooseAction(front, nullptr, random).text);
    }
    return texts;
}

TEST_F(RandomUser, ActsOnlyOnReachableControlsAndReplaysItsSeed)
{
    HWND front = CreateWindowExA(0, "STATIC", "front", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 nullptr, nullptr);
    Child(front, "Button", "Go", 10, WS_VISIBLE | BS_PUSHBUTTON);
    Child(front, "Button", "Off", 11, WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON);
    Child(front, "Edit", "", 12, WS_VISIBLE);
    Child(front, "Edit", "", 13, 0);
    HWND combo = Child(front, "ComboBox", "", 14, WS_VISIBLE | CBS_DROPDOWNLIST);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    Child(front, "Button", "Group", 15, WS_VISIBLE | BS_GROUPBOX);

    std::vector<std::string> texts = Draw(front);
    std::set<std::string> kinds, outOfReach;
    for (const std::string& text : texts) {
        kinds.insert(text.substr(0, text.find_first_of(" :")));  // the kind: "click", "vyrsim", ...
        for (const char* unreachable : {"(11)", "(13)", "(15)"}) {
            if (text.find(unreachable) != std::string::npos)
                outOfReach.insert(text);
        }
    }
    std::string seen;
    for (const std::string& kind : kinds)
        seen += kind + " ";
    EXPECT_EQ("choose click key type vyrsim ", seen);
    EXPECT_TRUE(outOfReach.empty()) << *outOfReach.begin();
    EXPECT_EQ(texts, Draw(front));
    DestroyWindow(front);
}

TEST_F(RandomUser, PutsTheCardBackAtTheChangeAfterItWentOut)
{
    std::string out, change;
    for (uint64_t action = 0; out.empty() && action < 5000; ++action) {
        RandomStream random(3, action);
        if (ChangeCardAtRandom(random) == "card out")
            out = "card out";
    }
    RandomStream next(3, 0);
    change = ChangeCardAtRandom(next);
    EXPECT_EQ("card out, then card in, present", out + ", then " + change + (CardIsOut() ? ", out" : ", present"));
}

}  // namespace
