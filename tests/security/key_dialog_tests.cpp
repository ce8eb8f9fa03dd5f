// The WEP keys and WPA key dialogs as the Security page opens them, typed into one WM_CHAR at a time: masks,
// filters, limits, length and format changes, the checks of OK and what OK hands back.
#include <windows.h>
#include <gtest/gtest.h>

#include <sstream>

#include "credentials/dlg_wep_keys.h"
#include "credentials/dlg_wpa_key.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "support/adapter_profiles.h"
#include "support/dialog_words.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const std::string kWrongLength = "box: The length of the Pre-Shared key does not match the length specified. | ";
const std::string kBadPhrase = "box: Invalid Passphrase Length. Length should be between 8 to 64 characters | ";
// What OK makes of Typed(false, 16).
const std::string kLetterDigits = "6162636465666768696A6B6C6D6E6F70";
const std::string kHexDigits = "0123456789ABCDEF0123456789ABCDEF0";
const std::string kHex64 = "00112233445566778899aabbccddeeff00112233445566778899AABBCCDDEEFF";

// `count` characters of the format's alphabet.
std::string Typed(bool hex, size_t count) { return (hex ? kHexDigits : "abcdefghijklmnopq").substr(0, count); }

// A mask as "*<count>".
std::string Short(const std::string& text) { return text.find('*') ? text : "*" + std::to_string(text.size()); }

// Edits ('text'), lists (their selection), then the control with the focus ("@ID", with an edit's selection).
std::string View(HWND dialog)
{
    std::string view;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(child, kind, sizeof(kind));
        view += lstrcmpiA(kind, "Edit") ? "" : "'" + Short(user::WindowText(child)) + "'";
        view += lstrcmpiA(kind, "ComboBox") ? "" : std::to_string(SendMessageA(child, CB_GETCURSEL, 0, 0)) + " ";
    }
    int focus = GetDlgCtrlID(GetFocus());
    bool edit = focus == IDC_WPA_KEY || (focus >= IDC_WEP_KEY1 && focus <= IDC_WEP_KEY4);
    view += (view.back() == ' ' ? "@" : " @") + std::to_string(focus);
    return view + (edit ? " " + user::EditSelection(dialog, focus) : "");
}

// PlayWords' words, and "ID?", which adds a list's first two items. Then what the dialog shows and its message
// boxes, and "open"; or the boxes and "ok" when OK ended it.
std::string Play(CDialog& dialog, const std::string& script)
{
    std::string shown;
    ModalWindows modal;
    modal.Then([&](HWND window) {
        MessageBoxLog boxes;
        std::string items;
        PlayWords(window, script, [&](const std::string& word) {
            std::vector<std::string> listed = user::Items(window, std::stoi(word));
            items = " | " + listed[0] + ", " + listed[1];
        });
        shown = boxes.Text(kAppTitle);
        // A dialog that OK ended is hidden until its loop ends.
        if (IsWindowVisible(window))
            shown = View(window) + items + " | " + shown, CloseModal(window);
    });
    return dialog.DoModal() == IDOK ? shown + "ok" : shown + "open";
}

// Keys as "text/index" (keys 2 to 4 may be left out), then Play's words; after OK, each key and the default key.
std::string PlayWep(const std::string& keys, const std::string& script, UINT format = 0, UINT defaultKey = 1)
{
    CDlgWepKeys dialog;
    std::istringstream words(keys + " /1 /1 /1");
    std::string word;
    for (int key = 0; key < 4 && words >> word; ++key) {
        dialog.keyText[key] = word.substr(0, word.find('/'));
        dialog.keyLengthIndex[key] = std::stoi(word.substr(word.find('/') + 1));
    }
    dialog.keyFormat = format, dialog.defaultKey = defaultKey;
    std::string shown = Play(dialog, script);
    for (int key = 0, ok = shown.back() == 'k'; ok && key < 4; ++key)
        shown += " " + Short(dialog.keyText[key]) + "/" + std::to_string(dialog.keyLengthIndex[key]);
    return shown.back() == 'n' ? shown : shown + " d" + std::to_string(dialog.defaultKey);
}

// The limit rule runs on a format change only while a profile is selected.
class KeyDialogs : public StoreTest {
protected:
    void SetUp() override { SetCurrentProfile(FindProfile("Default")); }
    void TearDown() override { SetCurrentProfile(nullptr); }
};

TEST_F(KeyDialogs, StoredKeysOpenAsMasksAndTypedKeysKeepOnlyTheirFormatsCharacters)
{
    const std::string keys = "0123456789/0 " + Typed(true, 26) + "/1 " + Typed(true, 32) + "/2";
    EXPECT_EQ(PlayWep(keys, ""), "'*10'0 '*26'1 '*32'-1 ''1 0 @1060 | open");
    // The reserved key in hexadecimal digits is no key; keys 2 to 4 not set are 128 bits.
    EXPECT_EQ(PlayWep("3237353134/1 0A1B2C3D4E/3 /1 /3", "", 0, 3), "''0 '*26'1 ''1 ''-1 2 @1060 | open");
    EXPECT_EQ(PlayWep("3237353134/1", "", 0, 7), "''0 ''1 ''1 ''1 0 @1009 0-0 | open");
    const std::string masked = "0123456789/0", rest = "'0 ''1 ''1 ''1 0 @1009 ";
    EXPECT_EQ(PlayWep("/0", "1009:0a\xe9" "1g2 1009@1 1009:x"), "'0A12" + rest + "1-1 | open");
    EXPECT_EQ(PlayWep("/0", "1009:ab*c", 1), "'c" + rest + "1-1 | open");
    // The edit itself takes no DEL or other control character.
    EXPECT_EQ(PlayWep("/0", "1009:a\x7f\x02\x80" "b\xff 1009@1 1009:\x90", 1), "'ab" + rest + "1-1 | open");
    // A "0x" prefix, blanks and mixed case in hexadecimal entry; a typed asterisk empties as a mask does.
    EXPECT_EQ(PlayWep("/0", "1009:0x1f2E3d_"), "'01F2E3D" + rest + "7-7 | open");
    EXPECT_EQ(PlayWep("/0", "1009:\x02" "1\x1f\x7f" "2*34"), "'34" + rest + "2-2 | open");
    // A full mask takes no character, but Wine's edit still notifies.
    EXPECT_EQ(PlayWep(masked, "1009:5"), "'" + rest + "0-0 | open");
    EXPECT_EQ(PlayWep(masked, "1009@10 1009:\b"), "'" + rest + "0-0 | open");
}

TEST_F(KeyDialogs, LengthAndFormatChangesKeepOnlyTextsTheNewLimitCanHold)
{
    const std::string hex26 = Typed(true, 26), hex16 = Typed(true, 16), ten = Typed(false, 10);
    const std::string rest = "''1 ''1 ''1 0 @1009 ", refused = " | " + kWrongLength + "open";
    EXPECT_EQ(PlayWep("0123456789/0", "1027#1 1"), "'*10'1 " + rest + "0-0" + refused);
    EXPECT_EQ(PlayWep("/0 " + hex26 + "/1", "1028#0"), "''0 ''0 ''1 ''1 0 @1010 0-0 | open");
    EXPECT_EQ(PlayWep("/1", "1009:" + hex16 + " 1027#0 1"), "'" + hex16 + "'0 " + rest + "16-16" + refused);
    EXPECT_EQ(PlayWep("/1", "1009:" + ten + " 1027#0 1", 1), "'" + ten + "'0 " + rest + "10-10" + refused);
    EXPECT_EQ(PlayWep("0123456789/0 " + hex26 + "/1 /0", "1059 1027?"),
              "''0 ''1 ''1 ''1 0 @1059 | 64 (40+24) 5 Characters, 128 (104+24) 13 Characters | open");
    EXPECT_EQ(PlayWep("/1 /0", "1009:" + hex26 + " 1010:0123456789 1011:12 1060 1027?"),
              "''0 '0123456789'1 '12'1 ''1 0 @1060 | 64 (40+24) 10 hex digits, 128 (104+24) 26 hex digits | open");
    SetCurrentProfile(nullptr);
    EXPECT_EQ(PlayWep("/1", "1009:" + hex26 + " 1060 1"), "'" + hex26 + "'0 " + rest + "26-26" + refused);
}

// At, below and above each class's length in both formats; a 152-bit key's list has no selection, OK hands back -1.
// Then the first key at fault is refused, and masks are handed back as they are.
TEST_F(KeyDialogs, OkTakesEachKeyOnlyAtTheLengthOfItsClassAndRefusesTheFirstKeyAtFault)
{
    const int lengths[2][3] = {{10, 26, 32}, {5, 13, 16}};
    for (int row = 0; row < 18; ++row) {
        UINT format = row / 9;
        int index = row / 3 % 3, extra = row % 3 - 1;
        std::string typed = Typed(!format, lengths[format][index] + extra), handed = format ? kLetterDigits : typed;
        std::string shown = PlayWep("/" + std::to_string(index), "1009:" + typed + " 1", format);
        std::string list = std::to_string(index < 2 ? index : -1), refused = " | " + kWrongLength + "open";
        EXPECT_EQ(extra < 0 ? shown.substr(shown.find(" | ")) : shown,
                  extra < 0 ? refused : "ok " + handed.substr(0, lengths[0][index]) + "/" + list + " /1 /1 /1 d1")
            << typed;
    }
    const std::string keys = "0123456789/0 " + Typed(true, 26) + "/1 " + Typed(true, 32) + "/2";
    auto refused = [](const std::string& text) { return " | box: " + text + " | open"; };
    EXPECT_EQ(PlayWep("/0", "1009:27514 1010:12 1", 1),
              "'27514'0 '12'1 ''1 ''1 0 @1009 5-5" + refused("This key is not allowd. Please enter another key."));
    EXPECT_EQ(PlayWep("/0 /1", "1028#0 1010:27514 1", 1, 2), "ok /0 3237353134/0 /1 /1 d2");
    EXPECT_EQ(PlayWep("/0", "1009:27514 1"), "'27514'0 ''1 ''1 ''1 0 @1009 5-5 | " + kWrongLength + "open");
    EXPECT_EQ(PlayWep("/0", "1009:0123456789 1011:12 1"),
              "'0123456789'0 ''1 '12'1 ''1 0 @1011 2-2 | " + kWrongLength + "open");
    EXPECT_EQ(PlayWep("/0", "1"), "''0 ''1 ''1 ''1 0 @1009 0-0" +
                                       refused("Please specify at least one Pre-Shared key, or disable security."));
    EXPECT_EQ(PlayWep("/0", "1009:0123456789 1013#1 1"),
              "'0123456789'0 ''1 ''1 ''1 1 @1013" + refused("\"Default Key to Use\" specifies a key that is empty."));
    EXPECT_EQ(PlayWep(keys, "1030#0 1012:A~b@! 1", 1, 2), "ok *5/0 *13/1 *16/-1 417E624021/0 d2");
    // Blanks at the ends and inside, and "0x", are characters like any other; hexadecimal digits go in upper case.
    EXPECT_EQ(PlayWep("/0", "1009:_a_b_ 1", 1), "ok 2061206220/0 /1 /1 /1 d1");
    EXPECT_EQ(PlayWep("/0", "1009:0x1F2 1", 1), "ok 3078314632/0 /1 /1 /1 d1");
    EXPECT_EQ(PlayWep("/0", "1009:aBcDeF0123 1"), "ok ABCDEF0123/0 /1 /1 /1 d1");
}

TEST_F(KeyDialogs, TheWpaKeyTakesEightToSixtyThreeCharactersOrSixtyFourHexDigitsAndKeepsAnUntouchedMask)
{
    const std::string phrase = "twenty-character-key ", hex63 = kHex64.substr(1), nonHex = hex63 + "g";
    const std::string p63(63, 'p'), hex0x = "0x" + kHex64.substr(2);
    const std::pair<std::string, std::string> rows[] = {
        {" ", "'' @1079 0-0 | open"}, {phrase, "'*20' @1079 0-20 | open"}, {phrase + "1", "ok *20 0"},
        {kHex64 + " 1", "ok *64 0"}, {phrase + "1079@20 1079:x 1079:new", "'new' @1079 3-3 | open"},
        {phrase + "1079:x 1079:new", "'xnew' @1079 4-4 | open"},
        {" 1", "'' @1079 0-0 | box: The password is Empty. Please enter a password. | open"},
        {" 1079:1234567 1", "'1234567' @1079 7-7 | " + kBadPhrase + "open"}, {" 1079:12345678 1", "ok 12345678 0"},
        {" 1079:" + hex63 + " 1", "ok " + hex63 + " 0"}, {" 1079:" + kHex64 + "5 1", "ok " + kHex64 + " 1"},
        {" 1079:" + nonHex + " 1", "'" + nonHex + "' @1079 64-64 | " + kBadPhrase + "open"},
        {" 1079:__my_ 1079:phrase__", "'myphrase' @1079 8-8 | open"}, {" 1079:ab*cdefgh 1", "ok ab*cdefgh 0"},
        {" 1079:myphrase 1079@2 1079:_", "'my phrase' @1079 3-3 | open"}, {" 1079:" + p63 + " 1", "ok " + p63 + " 0"},
        {" 1079:0x12345678 1", "ok 0x12345678 0"},
        {" 1079:" + hex0x + " 1", "'" + hex0x + "' @1079 64-64 | " + kBadPhrase + "open"},
        {" 1079:ab\x02\x1f\x7f" "cd" + std::string(1, '\0') + "efgh 1", "ok abcdefgh 0"},
        {" 1079:caf\xe9\x80\xff\xa0x 1", "ok caf\xe9\x80\xff\xa0x 0"},
        {" 1079:" + hex63 + "* 1", "ok " + hex63 + "* 0"},  // an untouched mask's shape: the caller keeps its key
    };
    for (const auto& [script, shown] : rows) {
        CDlgWpaKey dialog;
        dialog.keyText = script.substr(0, script.find(' '));
        dialog.storedKeyLength = static_cast<int>(dialog.keyText.size());
        std::string result = Play(dialog, script.substr(script.find(' ') + 1));
        EXPECT_EQ(result.back() == 'k' ? result + " " + Short(dialog.keyText) + " " + std::to_string(dialog.hexKey)
                                       : result, shown) << script;
    }
}

}  // namespace
