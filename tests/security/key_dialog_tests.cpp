// The WEP keys and the WPA key dialogs opened as the Security page opens
// them, typed into one WM_CHAR at a time: masks, filters, limits, length and
// format changes, the checks of OK and what OK hands back.
#include <windows.h>
#include <gtest/gtest.h>

#include <sstream>

#include "credentials/dlg_wep_keys.h"
#include "credentials/dlg_wpa_key.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "support/adapter_profiles.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const std::string kTitle = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const std::string kWrongLength = "box: The length of the Pre-Shared key does not match the length specified. | ";
const std::string kPhraseLength =
    "box: Invalid Passphrase Length. Length should be between 8 to 64 characters | ";

std::string Stars(size_t count) { return std::string(count, '*'); }

// `count` characters of the format's alphabet, and what OK makes of them.
std::string Typed(bool hex, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += hex ? "0123456789ABCDEF"[i % 16] : static_cast<char>('a' + i % 26);
    return text;
}

std::string AsDigits(const std::string& characters)
{
    std::string digits;
    for (unsigned char c : characters)
        digits += std::string(1, "0123456789ABCDEF"[c / 16]) + "0123456789ABCDEF"[c % 16];
    return digits;
}

// Keys ('text' and the length list's selection), the default key's item and
// where the focus is: a key edit with its selection, or another control.
std::string WepView(HWND dialog)
{
    std::string view;
    for (int key = 0; key < 4; ++key)
        view += "'" + user::Text(dialog, IDC_WEP_KEY1 + key) + "'" +
                std::to_string(user::Selection(dialog, IDC_WEP_KEY1_LENGTH + key)) + " ";
    view += "d" + std::to_string(user::Selection(dialog, IDC_WEP_DEFAULT_KEY)) + " @";
    int focus = GetDlgCtrlID(GetFocus());
    if (focus >= IDC_WEP_KEY1 && focus <= IDC_WEP_KEY4)
        return view + "k" + std::to_string(focus - IDC_WEP_KEY1 + 1) + " " + user::EditSelection(dialog, focus);
    const std::pair<int, const char*> others[] = {{IDC_WEP_DEFAULT_KEY, "d"}, {IDC_WEP_HEX, "hex"},
                                                  {IDC_WEP_ALPHANUMERIC, "alpha"}, {IDOK, "ok"}};
    for (const auto& [id, name] : others)
        view += focus == id ? name : "";
    return view;
}

// Setup words: "alpha", "plain", "noprofile", "d=N" (default key),
// "kN=text/index". Script words, one blank apart: "kN:text" types at the
// caret, "kN=text" types over the whole text, "kN@P" puts the caret at P,
// "lenN=I" and "d=I" choose list items, "hex" and "alpha" click the radios,
// "items" adds the length lists' items, "ok" clicks OK. The result is what
// the dialog shows when the script ends, or the message boxes and what it
// handed back when OK closed it.
std::string PlayWepKeys(const std::string& setup, const std::string& script)
{
    SetCurrentProfile(FindProfile("Default"));
    CDlgWepKeys dialog;
    dialog.defaultKey = 1;
    for (int key = 1; key < 4; ++key)
        dialog.keyLengthIndex[key] = 1;
    std::istringstream setupWords(setup);
    for (std::string word; setupWords >> word;) {
        dialog.keyFormat = word == "alpha" ? 1 : dialog.keyFormat;
        dialog.showPlain = word == "plain" ? TRUE : dialog.showPlain;
        if (word == "noprofile")
            SetCurrentProfile(nullptr);
        if (word[0] == 'd')
            dialog.defaultKey = std::stoul(word.substr(2));
        if (word[0] == 'k') {
            dialog.keyText[word[1] - '1'] = word.substr(3, word.find('/') - 3);
            dialog.keyLengthIndex[word[1] - '1'] = std::stoi(word.substr(word.find('/') + 1));
        }
    }
    std::string shown;
    ModalWindows modal;
    modal.Then([&](HWND window) {
        MessageBoxLog boxes;
        std::string items;
        std::istringstream words(script);
        for (std::string word; std::getline(words, word, ' ');) {
            int key = IDC_WEP_KEY1 + word[1] - '1';
            if (word[0] == 'k' && word[2] == ':')
                user::Type(window, key, word.substr(3));
            if (word[0] == 'k' && word[2] == '=')
                user::Retype(window, key, word.substr(3));
            if (word[0] == 'k' && word[2] == '@')
                SendDlgItemMessageA(window, key, EM_SETSEL, std::stoi(word.substr(3)), std::stoi(word.substr(3)));
            if (word.compare(0, 3, "len") == 0)
                user::ChooseItem(window, IDC_WEP_KEY1_LENGTH + word[3] - '1', word[5] - '0');
            if (word[0] == 'd')
                user::ChooseItem(window, IDC_WEP_DEFAULT_KEY, word[2] - '0');
            if (word == "hex" || word == "alpha")
                user::Click(window, word == "hex" ? IDC_WEP_HEX : IDC_WEP_ALPHANUMERIC);
            if (word == "items")
                for (int list = IDC_WEP_KEY1_LENGTH; list <= IDC_WEP_KEY4_LENGTH; ++list)
                    items += " | " + user::Items(window, list)[0] + ", " + user::Items(window, list)[1];
            if (word == "ok")
                user::Click(window, IDOK);
        }
        shown = boxes.Text(kTitle);
        // A dialog that OK ended is hidden until its loop ends.
        if (IsWindowVisible(window))
            shown = WepView(window) + items + " | " + shown, CloseModal(window);
    });
    if (dialog.DoModal() != IDOK)
        return shown + "open";
    for (int key = 0; key < 4; ++key)
        shown += dialog.keyText[key] + "/" + std::to_string(dialog.keyLengthIndex[key]) + " ";
    return shown + "d" + std::to_string(dialog.defaultKey);
}

struct Row {
    std::string setup, script, expected;
};

void PlayWepRows(const std::vector<Row>& rows)
{
    for (const Row& row : rows)
        EXPECT_EQ(PlayWepKeys(row.setup, row.script), row.expected) << row.setup << " | " << row.script;
}

// The limit rule runs on a format change only while a profile is selected.
class KeyDialogs : public testing::Test {
protected:
    void TearDown() override { SetCurrentProfile(nullptr); }
    IsolatedStore store_;
};

TEST_F(KeyDialogs, StoredWepKeysOpenAsTheMaskOfTheirLengthAndFormat)
{
    const std::string hex26 = Typed(true, 26), keys = " k2=" + hex26 + "/1 k3=" + Typed(true, 32) + "/2";
    PlayWepRows({
        {"k1=0123456789/0" + keys, "", "'" + Stars(10) + "'0 '" + Stars(26) + "'1 '" + Stars(32) + "'-1 ''1 d0 @hex | open"},
        {"alpha k1=0123456789/0" + keys, "", "'*****'0 '" + Stars(13) + "'1 '" + Stars(16) + "'-1 ''1 d0 @alpha | open"},
        {"plain d=4 k1=0123456789/3" + keys, "", "'0123456789'0 '" + hex26 + "'1 '" + Typed(true, 32) + "'-1 ''1 d3 @hex | open"},
        {"d=3 k1=3237353134/1 k2=0A1B2C3D4E/3 k4=/3", "", "''0 '" + Stars(26) + "'1 ''1 ''-1 d2 @hex | open"},
        {"d=7 k1=3237353134/1", "", "''0 ''1 ''1 ''1 d0 @k1 0-0 | open"},
    });
}
TEST_F(KeyDialogs, TypedKeysKeepOnlyTheirFormatsCharactersAndAMaskGoesWhole)
{
    const std::string masked = "k1=0123456789/0", rest = "'0 ''1 ''1 ''1 d0 @k1 ";
    PlayWepRows({
        {"", "k1:0a1g2", "'0A12" + rest + "4-4 | open"},
        {"", "k1:12\xe9" "34 k1@1 k1:x", "'1234" + rest + "1-1 | open"},
        {"alpha", "k1:ab\x80" "c\xff", "'abc" + rest + "3-3 | open"},
        // The edit itself takes no tab, DEL or other control character.
        {"alpha", "k1:a\x7f\t\x02" "b", "'ab" + rest + "2-2 | open"},
        {"alpha", "k1:ab*c", "'c" + rest + "1-1 | open"},
        // A full mask takes no character, but Wine's edit still notifies.
        {masked, "k1:5", "'" + rest + "0-0 | open"},
        {masked, "k1@10 k1:\b", "'" + rest + "0-0 | open"},
        {masked, "k1=5", "'5" + rest + "1-1 | open"},
        {masked, "len1=1 k1@10 k1:5 k1:67", "'67'1 ''1 ''1 ''1 d0 @k1 2-2 | open"},
    });
}

TEST_F(KeyDialogs, LengthAndFormatChangesKeepOnlyTextsTheNewLimitCanHold)
{
    const std::string hex26 = Typed(true, 26), hexItems = " | 64 (40+24) 10 hex digits, 128 (104+24) 26 hex digits",
                      characterItems = " | 64 (40+24) 5 Characters, 128 (104+24) 13 Characters";
    PlayWepRows({
        {"k1=0123456789/0", "len1=1 ok", "'" + Stars(10) + "'1 ''1 ''1 ''1 d0 @k1 0-0 | " + kWrongLength + "open"},
        {"k2=" + hex26 + "/1", "len2=0", "''0 ''0 ''1 ''1 d0 @k2 0-0 | open"},
        {"k1=/1", "k1:" + Typed(true, 16) + " len1=0 ok", "'" + Typed(true, 16) + "'0 ''1 ''1 ''1 d0 @k1 16-16 | " + kWrongLength + "open"},
        {"alpha k1=/1", "k1:" + Typed(false, 10) + " len1=0 ok", "'" + Typed(false, 10) + "'0 ''1 ''1 ''1 d0 @k1 10-10 | " + kWrongLength + "open"},
        {"alpha k1=/1", "k1:" + Typed(false, 11) + " len1=0", "''0 ''1 ''1 ''1 d0 @k1 0-0 | open"},
        {"k1=0123456789/0 k2=" + hex26 + "/1 k3=/0", "alpha items", "''0 ''1 ''1 ''1 d0 @alpha" + characterItems + characterItems + characterItems + characterItems + " | open"},
        {"alpha k1=/1 k2=/0", "k1:" + Typed(false, 13) + " k2:abcde alpha", "''0 'abcde'1 ''1 ''1 d0 @alpha | open"},
        {"k1=/1 k2=/0", "k1:" + hex26 + " k2:0123456789 k3:12 hex items", "''0 '0123456789'1 '12'1 ''1 d0 @hex" + hexItems + hexItems + hexItems + hexItems + " | open"},
        {"noprofile k1=/1", "k1:" + hex26 + " hex ok", "'" + hex26 + "'0 ''1 ''1 ''1 d0 @k1 26-26 | " + kWrongLength + "open"},
    });
}

// Each length class in both formats at, below and above its length; a
// 152-bit key's list shows no selection, and OK hands back -1 for it.
TEST_F(KeyDialogs, OkTakesEachKeyOnlyAtTheLengthOfItsClass)
{
    const int lengths[2][3] = {{10, 26, 32}, {5, 13, 16}};
    for (bool hex : {true, false}) {
        for (int index = 0; index < 3; ++index) {
            for (int extra : {-1, 0, 1}) {
                int length = lengths[hex ? 0 : 1][index];
                std::string setup = (hex ? "k1=/" : "alpha k1=/") + std::to_string(index);
                std::string typed = Typed(hex, length + extra), kept = Typed(hex, length);
                std::string handed = (hex ? kept : AsDigits(kept)) + "/" + std::to_string(index < 2 ? index : -1);
                std::string shown = "'" + typed + "'" + std::to_string(index < 2 ? index : -1) +
                                    " ''1 ''1 ''1 d0 @k1 " + std::to_string(typed.size()) + "-" +
                                    std::to_string(typed.size()) + " | " + kWrongLength + "open";
                EXPECT_EQ(PlayWepKeys(setup, "k1:" + typed + " ok"),
                          extra < 0 ? shown : handed + " /1 /1 /1 d1") << setup << " " << typed.size();
            }
        }
    }
}

TEST_F(KeyDialogs, OkRefusesTheFirstKeyAtFaultThenHandsBackMasksAndHexadecimalDigits)
{
    const std::string keys = "k1=0123456789/0 k2=" + Typed(true, 26) + "/1 k3=" + Typed(true, 32) + "/2";
    PlayWepRows({
        {"alpha", "k1:27514 k2:12 ok", "'27514'0 '12'1 ''1 ''1 d0 @k1 5-5 | box: This key is not allowd. Please enter another key. | open"},
        {"alpha d=2", "len2=0 k2:27514 ok", "/0 3237353134/0 /1 /1 d2"},
        {"", "k1:27514 ok", "'27514'0 ''1 ''1 ''1 d0 @k1 5-5 | " + kWrongLength + "open"},
        {"", "k1:0123456789 k3:12 ok", "'0123456789'0 ''1 '12'1 ''1 d0 @k3 2-2 | " + kWrongLength + "open"},
        {"", "ok", "''0 ''1 ''1 ''1 d0 @k1 0-0 | box: Please specify at least one Pre-Shared key, or disable security. | open"},
        {"d=4", "k1:0123456789 k2:" + Typed(true, 26) + " ok", "'0123456789'0 '" + Typed(true, 26) + "'1 ''1 ''1 d3 @d | box: \"Default Key to Use\" specifies a key that is empty. | open"},
        {keys + " d=3", "ok", Stars(10) + "/0 " + Stars(26) + "/1 " + Stars(32) + "/-1 /1 d3"},
        {"alpha d=2 " + keys, "len4=0 k4:A~b@! ok", "*****/0 " + Stars(13) + "/1 " + Stars(16) + "/-1 417E624021/0 d2"},
        {"plain " + keys, "len1=1 ok", "'0123456789'1 '" + Typed(true, 26) + "'1 '" + Typed(true, 32) + "'-1 ''1 d0 @k1 0-0 | " + kWrongLength + "open"},
    });
}

// Steps: "=text" types over the whole text, "@P" puts the caret at P, "ok"
// clicks OK, anything else is typed at the caret. The result is as for
// PlayWepKeys, then the hex-key flag.
std::string PlayWpaKey(const std::string& stored, const std::vector<std::string>& steps)
{
    CDlgWpaKey dialog;
    dialog.keyText = stored;
    dialog.storedKeyLength = static_cast<int>(stored.size());
    std::string shown;
    ModalWindows modal;
    modal.Then([&](HWND window) {
        MessageBoxLog boxes;
        for (const std::string& step : steps) {
            if (step == "ok")
                user::Click(window, IDOK);
            else if (step[0] == '@')
                SendDlgItemMessageA(window, IDC_WPA_KEY, EM_SETSEL, std::stoi(step.substr(1)), std::stoi(step.substr(1)));
            else if (step[0] == '=')
                user::Retype(window, IDC_WPA_KEY, step.substr(1));
            else
                user::Type(window, IDC_WPA_KEY, step);
        }
        shown = boxes.Text(kTitle);
        if (IsWindowVisible(window)) {
            bool focused = user::HasFocus(window, IDC_WPA_KEY);
            shown = "'" + user::Text(window, IDC_WPA_KEY) + "' " + (focused ? "@key " : "") +
                    user::EditSelection(window, IDC_WPA_KEY) + " | " + shown;
            CloseModal(window);
        }
    });
    if (dialog.DoModal() != IDOK)
        return shown + "open";
    return shown + dialog.keyText + " hex=" + std::to_string(dialog.hexKey);
}

TEST_F(KeyDialogs, TheWpaKeyTakesEightToSixtyThreeCharactersOrSixtyFourHexDigitsAndKeepsAnUntouchedMask)
{
    const std::string hex64 = "00112233445566778899aabbccddeeff00112233445566778899AABBCCDDEEFF";
    const std::string phrase63 = hex64.substr(0, 62) + "x", nonHex64 = hex64.substr(0, 63) + "g";
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"", {}}, {"twenty-character-key", {}}, {"twenty-character-key", {"ok"}}, {hex64, {"ok"}},
        {"old-phrase", {"@10", "x", "new"}}, {"old-phrase", {"x", "new"}}, {"old-phrase", {"=n", "ew"}},
        {"old-phrase", {"@10", "\b", "new"}}, {"", {"ok"}}, {"", {"1234567", "ok"}}, {"", {"12345678", "ok"}},
        {"", {phrase63, "ok"}}, {"", {hex64.substr(0, 63), "ok"}}, {"", {hex64, "5", "ok"}}, {"", {nonHex64, "ok"}},
        {"", {"  my phrase  "}}, {"", {"ab*cdefgh", "ok"}},
    };
    const std::string opened = "'" + Stars(20) + "' @key 0-20 | open";
    const std::string expected[] = {
        "'' @key 0-0 | open", opened, Stars(20) + " hex=0", Stars(64) + " hex=0",
        "'new' @key 3-3 | open", "'xnew' @key 4-4 | open", "'new' @key 3-3 | open",
        "'new' @key 3-3 | open", "'' @key 0-0 | box: The password is Empty. Please enter a password. | open",
        "'1234567' @key 7-7 | " + kPhraseLength + "open", "12345678 hex=0", phrase63 + " hex=0",
        hex64.substr(0, 63) + " hex=0", hex64 + " hex=1", "'" + nonHex64 + "' @key 64-64 | " + kPhraseLength + "open",
        "'myphrase' @key 8-8 | open", "ab*cdefgh hex=0",
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(PlayWpaKey(rows[i].first, rows[i].second), expected[i]) << i;
}

}  // namespace
