// The Security page in the real sheet, against the real library and an isolated store: what it shows of a stored
// profile, how clicks read the choice, what leaving refuses and stores (read back by a new process), and what
// Configure hands to the credential dialogs and takes back.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "credentials/dlg_wep_keys.h"
#include "driver/call_log.h"
#include "driver/card_state.h"
#include "driver/driver_support.h"
#include "driver/store.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/shared_flags.h"
#include "support/adapter_profiles.h"
#include "support/dialog_words.h"
#include "support/main_sheet.h"
#include "support/user_certificates.h"

namespace {

enum { kStatusPage = 0, kSecurityPage = 2, kAboutPage = 4 };
const size_t kLabelPrefix = std::string("Currently Selected Profile:  ").size();
const std::pair<std::string, int> kRadios[] = {{"wpa", IDC_ENCRYPT_WPA}, {"psk", IDC_ENCRYPT_WPA_PSK},
    {"1x", IDC_ENCRYPT_8021X}, {"wep", IDC_ENCRYPT_WEP}, {"none", IDC_ENCRYPT_DISABLE}};

// Radios ("*" checked, "-" disabled), each list's items and [selection], the
// list labels when they are disabled, Configure.
std::string View(HWND page)
{
    auto off = [&](int id) { return user::IsEnabled(page, id) ? "" : "-"; };
    std::string view;
    for (const auto& [name, id] : kRadios)
        view += (IsDlgButtonChecked(page, id) ? "*" : "") + name + off(id) + " ";
    for (int id : {IDC_ENCRYPT_8021X_EAP, IDC_ENCRYPT_WPA_EAP}) {
        view += "|";
        for (const std::string& item : user::Items(page, id))
            view += " " + item;
        view += " [" + user::SelectedText(page, id) + "]" + off(id) + " ";
    }
    bool labels = user::IsEnabled(page, IDC_ENCRYPT_8021X_EAP_LABEL);
    return view + (labels ? "" : "| labels- ") + "| cfg" + off(IDC_ENCRYPT_CONFIGURE);
}

// Words: a radio's name clicks it, "1x=N" and "wpa=N" choose a list's item, "cfg" clicks Configure, "leave" goes to
// another page ("left", and back, or "held"), "absent" and "present" take the card out and put it back, "tick" ticks
// the Status page.
std::string Act(HWND window, const std::string& actions, HWND statusPage = nullptr)
{
    std::istringstream words(actions);
    std::string trace;
    for (std::string word; words >> word;) {
        HWND page = user::CurrentPage(window);
        for (const auto& [name, id] : kRadios)
            word == name ? user::Click(page, id) : void();
        if (word.find('=') != std::string::npos)
            user::ChooseItem(page, word[0] == '1' ? IDC_ENCRYPT_8021X_EAP : IDC_ENCRYPT_WPA_EAP, word.back() - '0');
        if (word == "cfg")
            user::Click(page, IDC_ENCRYPT_CONFIGURE);
        if (word == "absent" || word == "present")
            VyrsimOutput("card " + word);
        if (word == "tick")
            Tick(statusPage);
        if (word == "leave") {
            HWND focus = GetFocus();
            user::SwitchPage(window, kAboutPage);
            bool left = user::CurrentPageIndex(window) == kAboutPage;
            // The controls a refusal names are the credential dialogs': the focus stays.
            trace += left ? "left " : GetFocus() == focus ? "held " : "held(focus moved) ";
            if (left)
                user::SwitchPage(window, kSecurityPage);
        }
    }
    bool apply = user::IsEnabled(window, CPropertySheet::kApplyButtonId);
    return trace + "| warning=" + std::to_string(IsSecurityWarningRaised()) + (apply ? " apply" : "");
}

// Stores the "name=value" words on the profile, made when missing, and makes it the card's selection.
void Seed(const std::string& name, std::string settings)
{
    CAdapterConfig* profile = FindProfile(name) ? FindProfile(name) : TheAdapter()->AddConfiguration(name);
    std::replace(settings.begin(), settings.end(), ' ', '\n');
    ASSERT_EQ(SetProfile(*profile, settings), "") << name;
    ASSERT_TRUE(profile->Save() && TheAdapter()->SetCurrentConfiguration(profile));
}

// Per "name:field,field," row, what a new process reads of the profile, and
// the selection in effect when the profile is.
ChildScenario stored("stored", [](const std::string& rows) {
    return PrintEachRow(rows, [](const std::string& row) {
        std::string name = row.substr(0, row.find(':')), fields = row.substr(name.size() + 1);
        std::replace(fields.begin(), fields.end(), ',', '\n');
        std::string picked = PickSettings(DescribeProfile(*FindProfile(name)), fields);
        picked.pop_back();
        std::replace(picked.begin(), picked.end(), '\n', ' ');
        AppliedProfile applied;
        if (ReadAppliedProfile(OpenStore(), applied) && applied.settings.name == name)
            picked += " | in effect eap=" + std::to_string(applied.settings.eapSelection);
        return picked;
    });
});

// The dialog as the user finds it: checked radios, list selections, edit
// texts; for the WEP keys dialog whether it shows the keys plain.
std::string DialogView(HWND dialog)
{
    std::string view;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(child, kind, sizeof(kind));
        if (lstrcmpiA(kind, "Edit") == 0)
            view += "'" + user::WindowText(child) + "' ";
        else if (lstrcmpiA(kind, "ComboBox") == 0)
            view += "[" + std::to_string(SendMessageA(child, CB_GETCURSEL, 0, 0)) + "] ";
        else if (SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED)
            view += "(" + user::WindowText(child) + ") ";
    }
    if (auto* keys = dynamic_cast<CDlgWepKeys*>(CWnd::FromHandlePermanent(dialog)))
        view += "plain=" + std::to_string(keys->showPlain) + " ";
    return view + "| ";
}

// Per "name support words" row: the page opened on the profile with the WPA-support flag as given, after the words;
// its label's name, the dialog that Configure opened (then cancelled) and View.
ChildScenario views("views", [](const std::string& rows) {
    return PrintEachRow(rows, [](const std::string& row) {
        std::istringstream words(row);
        std::string name, actions, shown;
        int support = 0;
        words >> name >> support;
        std::getline(words, actions);
        SetWpaSupportFlag(support);
        RunMainSheet(kAboutPage, [&](CWiFiPropSheet&, HWND window) {
            std::string dialog;
            ModalWindows modal;
            if (actions.find("cfg") != std::string::npos)
                modal.Then([&](HWND opened) { dialog = DialogView(opened), CloseModal(opened); });
            SetCurrentProfile(FindProfile(name));
            user::SwitchPage(window, kSecurityPage);
            Act(window, actions);
            HWND page = user::CurrentPage(window);
            shown = user::Text(page, IDC_ENCRYPT_PROFILE_LABEL).substr(kLabelPrefix) + " | " + dialog + View(page);
            user::PressCancel(window);
        });
        return shown;
    });
});

std::string Views(const char* version, const std::vector<std::string>& rows, bool administrator = true)
{
    return RunChildForRows("views", rows, UnderVersion(version, "", !administrator)).output;
}

class SecurityPage : public StoreTest {};

TEST_F(SecurityPage, TheStoredSelectionShowsAsTheNetworkTypeWpaSupportWindowsVersionAndUserAllow)
{
    const std::pair<const char*, const char*> profiles[] = {{"Tls1x", "type=1 eap=4 wpa=0"},
        {"PeapWpa", "type=1 eap=3 wpa=1"}, {"TtlsWpa", "type=1 eap=5 wpa=1"}, {"Gtc1x", "type=1 eap=2 wpa=0"},
        {"LeapWpa", "type=1 eap=1 wpa=1"}, {"PskAp", "type=1 eap=7 wpa=1"}, {"WepPeer", "type=0 eap=7 wpa=0"},
        {"TtlsPeer", "type=0 eap=5 wpa=0"}, {"PskPeer", "type=0 eap=7 wpa=1"},
        {"admin_lab-of-the-north", "type=1 eap=4 wpa=0"}, {"Office", "type=1 eap=7 wpa=0"},
        {"Ttls1x", "type=1 eap=5 wpa=0 domain=d"}};
    for (const auto& [name, settings] : profiles)
        Seed(name, settings);
    const std::string tls = "Tls1x | wpa psk *1x wep none | TLS PEAP LEAP [TLS] | TLS PEAP [TLS]- | cfg\n",
                      peer = " | TLS PEAP LEAP [TLS]- | TLS PEAP [TLS]- | labels- | cfg",
                      ttls = "TtlsWpa | *wpa psk 1x wep none | TLS PEAP LEAP [TLS]- | TLS PEAP [TLS] | cfg\n",
                      office = "Office | wpa psk 1x *wep none | TLS PEAP LEAP [TLS]- | TLS PEAP [TLS]- | cfg\n";
    EXPECT_EQ(Views("winxp", {"Tls1x 1", "Tls1x 1 1x=1 wpa", "PeapWpa 1", "TtlsWpa 1", "Gtc1x 1", "LeapWpa 1",
                              "Tls1x 0", "PskAp 0", "WepPeer 1", "TtlsPeer 1", "PskPeer 1",
                              "admin_lab-of-the-north 1"}),
              tls + "Tls1x | *wpa psk 1x wep none | TLS PEAP LEAP [PEAP]- | TLS PEAP [TLS] | cfg\n"
                    "PeapWpa | *wpa psk 1x wep none | TLS PEAP LEAP [PEAP]- | TLS PEAP [PEAP] | cfg\n" + ttls +
                    "Gtc1x | wpa psk *1x wep none | TLS PEAP LEAP [] | TLS PEAP []- | cfg\n"
                    "LeapWpa | *wpa psk 1x wep none | TLS PEAP LEAP [LEAP]- | TLS PEAP [TLS] | cfg\n"
                    "Tls1x | wpa psk 1x wep *none | TLS PEAP LEAP [TLS]- | TLS PEAP [TLS]- | cfg-\n"
                    "PskAp | wpa psk 1x wep none | TLS PEAP LEAP [TLS]- | TLS PEAP [TLS]- | cfg\n"
                    "WepPeer | wpa- psk- 1x- *wep none" + peer + "\nTtlsPeer | wpa- psk- 1x- wep *none" + peer +
                    "-\nPskPeer | wpa- psk- 1x- wep none" + peer +
                    "\nadmin_lab-of-the-nor... | wpa psk *1x wep none | TLS PEAP LEAP [TLS] | TLS PEAP [TLS]- | cfg\n");
    EXPECT_EQ(Views("winxp", {"admin_lab-of-the-north 1", "Office 1"}, false),
              "admin_lab-of-the-nor... | wpa- psk- *1x- wep- none- | TLS PEAP LEAP [TLS] | TLS PEAP [TLS]- | cfg-\n" +
                  office);
    EXPECT_EQ(Views("win2k", {"Tls1x 1", "TtlsWpa 1"}), tls + ttls);
    for (const char* leapOnly : {"nt40", "win98"})
        EXPECT_EQ(Views(leapOnly, {"Tls1x 1", "PeapWpa 1"}),
                  "Tls1x | wpa- psk- *1x wep none | LEAP [LEAP] | TLS PEAP [TLS]- | cfg\n"
                  "PeapWpa | *wpa- psk- 1x wep none | LEAP [LEAP]- | TLS PEAP [PEAP]- | cfg\n")
            << leapOnly;
    // A TTLS selection that no list item shows stays TTLS for Configure.
    EXPECT_EQ(Views("winme", {"Tls1x 1", "PeapWpa 1", "Ttls1x 1 cfg"}),
              "Tls1x | wpa psk *1x wep none | LEAP [] | TLS PEAP [TLS]- | cfg\n"
              "PeapWpa | *wpa psk 1x wep none | LEAP []- | TLS PEAP [PEAP] | cfg\n"
              "Ttls1x | (Use Any Certificate Authority) [0] 'd' '' | wpa psk *1x wep none | LEAP [] | TLS PEAP [TLS]- | cfg\n");
}

// Each row on its own profile, as stored before, the sheet opened on the page, the words (`Act`), then OK ("ok" at
// the end) or Cancel. Each dialog that Configure opens is shown, gets PlayWords' words and is closed with "ok" or
// "cancel". `stored` names the fields read back.
struct Row {
    std::string name, settings, actions, shown, stored;
    std::vector<std::string> dialogs = {};
};

void PlayRows(const std::vector<Row>& rows, int startPage = kSecurityPage)
{
    std::string expected;
    std::vector<std::string> asked;
    for (const Row& row : rows) {
        Seed(row.name, row.settings);
        MessageBoxLog boxes;
        std::string shown;
        RunMainSheet(startPage, [&](CWiFiPropSheet&, HWND window) {
            ModalWindows modal;
            for (const std::string& script : row.dialogs) {
                modal.Then([&shown, script](HWND dialog) {
                    shown += DialogView(dialog);
                    auto end = [&](const std::string& button) { user::Click(dialog, button == "ok" ? IDOK : IDCANCEL); };
                    PlayWords(dialog, script, end);
                });
            }
            HWND status = user::CurrentPage(window);
            if (startPage != kSecurityPage)
                user::SwitchPage(window, kSecurityPage);
            bool ok = row.actions.size() >= 2 && row.actions.substr(row.actions.size() - 2) == "ok";
            shown += Act(window, row.actions.substr(0, row.actions.size() - (ok ? 2 : 0)), status);
            ok ? user::PressOk(window) : user::PressCancel(window);
        });
        EXPECT_EQ(boxes.Text(kAppTitle) + shown, row.shown) << row.name;
        std::istringstream words(row.stored.substr(0, row.stored.find('|')));
        std::string fields;
        for (std::string word; words >> word;)
            fields += word.find('=') != std::string::npos ? word.substr(0, word.find('=')) + "," : "";
        asked.push_back(row.name + ":" + fields);
        expected += row.stored + "\n";
    }
    EXPECT_EQ(RunChildForRows("stored", asked).output, expected);
}

TEST_F(SecurityPage, ClicksAndChoicesReadTheSelectionThatLeavingOrOkStores)
{
    SetWpaSupportFlag(TRUE);
    const std::string tls = " cert=C1 domain=d login=l", left = "left | warning=0 apply";
    PlayRows({{"Ttls", "eap=5 dynamic=1", "leave", "left | warning=0", "security=1 eap=5 wpa=0 dynamic=1 leap=0"},
              {"TtlsChosen", "eap=5 dynamic=1" + tls, "1x=0 leave", left, "security=1 eap=4 wpa=0 dynamic=1 leap=0"},
              {"TtlsClicked", "eap=5 wpa=1" + tls, "wpa leave", left, "security=1 eap=4 wpa=1 dynamic=1 leap=0"},
              {"Gtc", "eap=2 advuser=bob", "1x leave", left, "security=1 eap=2 wpa=0 dynamic=1 leap=0"},
              {"Peap", "eap=4 advuser=bob", "1x=1 leave", left, "security=1 eap=3 wpa=0 dynamic=1 leap=0"},
              {"Leap", "eap=4 leapuser=ann leappw=pw", "1x=2 leave", left, "security=1 eap=1 wpa=0 dynamic=1 leap=1"},
              {"Default", "key2=0123456789/0 default=2", "wep ok", "| warning=0 apply",
               "security=1 eap=7 wpa=0 dynamic=0 leap=0 | in effect eap=7"}});
    SetWpaSupportFlag(FALSE);
    PlayRows({{"NoWpa", "eap=4 wpa=1 dynamic=1", "leave", "left | warning=0", "security=1 eap=0 wpa=1 dynamic=1"}});
}

TEST_F(SecurityPage, LeavingRefusesWhatIsMissingHoldsTheUserAndStoresOnlyWhatPasses)
{
    // Refused rows store nothing: security stays 0 and key 1 unset.
    auto held = [](const std::string& text, const char* apply = "") {
        return "box: " + text + " | held | warning=1" + apply;
    };
    const std::string keys = "Please specify at least one Pre-Shared key, or disable security.",
                      left = "left | warning=0", unstored = "security=0 key1=/3 default=1",
                      key2 = " key2=0123456789/0 default=";
    PlayRows({{"NoKeys", "security=0 eap=7", "leave", held(keys), unstored},
              {"NoDefault", "security=0 eap=7" + key2 + "1", "leave",
               held("\"Default Key to Use\" specifies a key that is empty."), unstored},
              {"Key2", "security=0 eap=7" + key2 + "2", "leave", left, "security=1 key1=/0 default=2"},
              {"NoPhrase", "security=0 eap=7 wpa=1", "leave",
               held("Invalid Passphrase Length. Length should be between 8 to 64 characters"), unstored},
              {"NoCertificate", "security=0 eap=4", "leave",
               held("No Certificates found. Please select another dynamic security option."), unstored},
              {"NoDomain", "security=0 eap=4 cert=C1", "leave", held("Please enter a Domain Name."), unstored},
              {"NoLogin", "security=0 eap=4 cert=C1 domain=corp", "leave", held("Please enter a Login Name"), unstored},
              {"NoUser", "security=0 eap=3 wpa=1", "leave", held("The user name is empty. Please enter a user name."),
               unstored},
              {"NoLeapUser", "security=0 eap=1", "1x leave",
               held("Please specify a LEAP User Name, or disable LEAP security.", " apply"), unstored},
              {"NoLeapPassword", "security=0 eap=1 leapuser=ann", "1x leave",
               held("Please specify a LEAP Password, or disable LEAP security.", " apply"), unstored},
              {"Ttls", "security=0 eap=5 dynamic=1", "leave", left, "security=1 key1=3237353134/0 default=1"},
              {"Phrase", "security=0 eap=7 wpa=1 pp=secret-phrase", "leave", left,
               "security=1 key1=3237353134/0 default=1"},
              {"MarkerWep", "security=0 eap=7 key1=3237353134/0" + key2 + "2", "leave", left,
               "security=1 key1=/0 default=2"},
              {"Retried", "security=0 eap=7", "leave none leave", "box: " + keys + " | held left | warning=0 apply",
               "security=0 key1=/0 default=1"},
              {"CardGone", "security=0 eap=7", "leave absent tick present", held(keys),
               unstored + " | in effect eap=7"}},
             kStatusPage);
}

TEST_F(SecurityPage, ConfigureHandsTheRecordToTheModesDialogAndTakesBackWhatWasConfirmed)
{
    TestCertificates made;
    const std::string id = made.Add(L"Ann", "ann@corp.example"), any = "[0] (Use Any Certificate Authority) [0] ";
    const std::string hex = "00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff",
                      left = " left | warning=0 apply", keys = " [0] '' [1] ";
    PlayRows({{"Wep", "eap=7 key2=0123456789/0 default=2", "cfg leave",
               "(&Hexadecimal) '' [0] '**********' [0] '' [1] '' [1] [1] plain=0 |" + left,
               "key1=ABCDEF0123/0 key2=0123456789/0 default=2", {"1009=ABCDEF0123 ok"}},
              {"Masked", "eap=7 wpa=1 pp=old-phrase", "cfg leave", "'**********' |" + left, "pp=old-phrase/10 key1=/0",
               {"ok"}},
              {"Hex", "eap=7 wpa=1", "cfg leave", "'' |" + left, "pp=hex " + hex + "/64 key1=3237353134/0",
               {"1079=" + hex + " ok"}},
              {"Leap", "eap=1", "cfg leave", "'' '' '' |" + left, "leap=1 leapuser=ann leappw=pw",
               {"1014=ann 1072=pw 1073=pw ok"}},
              {"Tls", "eap=4 cert=" + id + " domain=corp login=al", "cfg leave", any + "'corp' 'al' |" + left,
               "cert=" + id + " domain=home login=al", {"1079=home ok"}},
              {"TtlsReadAsTls", "eap=5 cert=C1 domain=d login=l", "cfg leave", any + "'d' 'l' |" + left,
               "eap=4 domain=d", {"cancel"}},
              {"Peap", "eap=3 wpa=1 advuser=bob advpw=pw1 domain=d", "cfg leave", "[0] 'bob' 'pw1' 'pw1' |" + left,
               "advuser=carol advpw=pw1 domain=d", {"1145=carol ok"}},
              {"PeapAdvancedCancelled", "eap=3 advuser=bob advpw=pw1 domain=d", "cfg leave",
               "[0] 'bob' 'pw1' 'pw1' | (&Specific Server or Domain) 'd' '' |" + left, "domain=d login=",
               {"1143 cancel", "1153 1132=al 1079=srv ok"}},
              {"Plain", "eap=7 key3=0A1B2C3D4E/0", "leave cfg cfg leave", "box: \"Default Key to Use\" specifies a key "
               "that is empty. | (&Hexadecimal) ''" + keys + "'0A1B2C3D4E' [0] '' [1] [0] plain=1 | (&Hexadecimal) "
               "'**********'" + keys + "'**********' [0] '' [1] [0] plain=0 | held left | warning=0 apply",
               "key1=0123456789/0 key3=0A1B2C3D4E/0", {"1009=0123456789 ok", "ok"}},
              {"PlainNoKeys", "eap=7", "leave cfg leave",
               "box: Please specify at least one Pre-Shared key, or disable security. | (&Hexadecimal) ''" + keys +
                   "'' [1] '' [1] [0] plain=1 | held left | warning=0 apply",
               "key1=0123456789/0", {"1009=0123456789 ok"}}});
}

TEST_F(SecurityPage, LeavingStoresEverySettingInOrderOnceUntilTheNextChange)
{
    const std::string keys =
        " SharedKey1(,0) SharedKey2(,1) SharedKey3(,1) SharedKey4(,1) DefaultKey(1) leapEnabled(0) ";
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"eap=7 wpa=1 pp=secret-phrase leapuser=ann leappw=pw ca=A1 domain=d login=l", "psk",
         "EnableSecurity(1) WEPEncryptType(0)" + keys + "leapUserName(ann) leapUserPasswd(pw,2) EapSelection(7) "
         "DynamicSecurity(0) WPA(1) CA(A1) LoginName(l) DomainName(d) HexEntryPp(0) Passphrase(secret-phrase,13,0) "
         "SharedKey1(3237353134,0) Save() "},
        {"eap=3 dynamic=1 format=1 cert=C1 advuser=bob advpw=pw advcert=X1", "1x",
         "EnableSecurity(1) WEPEncryptType(1)" + keys + "leapUserName() leapUserPasswd(,0) EapSelection(3) "
         "DynamicSecurity(1) WPA(0) Certificate(C1) AdvancedPassword(pw,2) AdvancedUserName(bob) CA() LoginName() "
         "DomainName() AdvancedCertificate(X1) HexEntryPp(0) Passphrase(,0,0) SharedKey1(3237353134,0) Save() "}};
    for (const auto& [settings, radio, log] : rows) {
        Seed(radio, settings);
        CCallLog::Start();
        RunMainSheet(kSecurityPage, [&](CWiFiPropSheet&, HWND window) {
            Act(window, std::string("leave leave ") + radio + " leave");
            user::PressCancel(window);
        });
        EXPECT_EQ(CCallLog::Stop(), log + log) << settings;
    }
}

}  // namespace
