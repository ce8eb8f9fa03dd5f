// The user-information dialogs opened on their own, as the Security page opens them, with certificates the tests put
// into the user's real "MY" store: what each shows of the values handed in, its checks in order with their messages
// and focus, and the values it hands back.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "credentials/cert_list.h"
#include "credentials/dlg_advanced_config.h"
#include "credentials/dlg_leap_user.h"
#include "credentials/dlg_peap_user.h"
#include "credentials/dlg_tls_user.h"
#include "credentials/dlg_ttls_user.h"
#include "support/dialog_words.h"
#include "support/expectations.h"
#include "support/user.h"
#include "support/user_certificates.h"

namespace {

const std::string kLong = "abcdefghijklmnopqrstuvwxyz0123456", k32 = kLong.substr(0, 32);

// Edits 'text', lists [selected item], radios and check boxes "*" or "o",
// "-" after a disabled edit or list; then "@" and the focused control's ID.
std::string View(HWND dialog)
{
    std::string view;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(child, kind, sizeof(kind));
        LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        std::string off = IsWindowEnabled(child) ? " " : "- ";
        if (!lstrcmpiA(kind, "Edit"))
            view += "'" + user::WindowText(child) + "'" + off;
        else if (!lstrcmpiA(kind, "ComboBox"))
            view += "[" + user::SelectedText(dialog, GetDlgCtrlID(child)) + "]" + off;
        else if (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX)
            view += SendMessageA(child, BM_GETCHECK, 0, 0) ? "* " : "o ";
    }
    return view + "@" + std::to_string(GetDlgCtrlID(GetFocus())) + " | ";
}

// Plays each "|"-separated part of the script on the next modal window: PlayWords' words, and "?", which notes the
// view. A box shows as its string's ID ("!" unless captioned with the title, OK alone). Then how the dialog ended.
std::string Play(CDialog& dialog, const std::string& script)
{
    std::string trace;
    MessageBoxLog boxes({}, [&] {
        const ShownMessageBox& box = boxes.Shown().back();
        bool usual = box.caption == kAppTitle && box.type == MB_OK;
        for (UINT id : {57365, 57368, 57369, 57370, 57374, 57378, 57380})
            trace += LoadResString(id) == box.text ? std::to_string(id) + (usual ? " " : "! ") : "";
    });
    ModalWindows modal;
    std::istringstream parts(script);
    for (std::string part; std::getline(parts, part, '|');) {
        modal.Then([&trace, part](HWND window) {
            PlayWords(window, part, [&](const std::string&) { trace += View(window); });
            // A refused OK fails the row instead of waiting; an ended dialog never reads it.
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    }
    return trace + (dialog.DoModal() == IDOK ? "ok" : "cancel");
}

// Each dialog's values, in order; TTLS and PEAP share theirs.
using Fields = std::vector<std::string*>;
Fields Of(CDlgLeapUser& d) { return {&d.userName, &d.password}; }
Fields Of(CDlgAdvancedConfig& d) { return {&d.domainName, &d.loginName}; }
Fields Of(CDlgTlsUser& d) { return {&d.certificate, &d.authority, &d.domainName, &d.loginName}; }
template <class D>
Fields Of(D& d) { return {&d.authority, &d.domainName, &d.loginName, &d.userName, &d.password}; }

class UserDialogs : public testing::Test {
protected:
    // "#root" is the identifier of a root with a name of its own, "#root0" the first root's.
    void SetUp() override
    {
        CertificateList roots;
        roots.Enumerate("ROOT");
        std::vector<std::string>& names = roots.displayNames;
        size_t i = 1;
        while (i + 1 < names.size() && std::count(names.begin(), names.end(), names[i]) > 1)
            ++i;
        labels_ = {{roots.identifiers[i], "#root"}, {roots.identifiers[0], "#root0"}, {names[i], "root"},
                   {names[0], "root0"}};
        std::replace_copy(names[i].begin(), names[i].end(), std::back_inserter(root_), ' ', '_');
    }

    // Its identifier shows as "#" and the label.
    void Add(const std::wstring& name, const std::string& label, const std::string& upn = "",
             const std::string& mail = "")
    {
        labels_.insert(labels_.begin(), {made_.Add(name, upn, mail), "#" + label});
    }

    // Opens the dialog with the "|"-separated values (a label for an identifier, "_" a blank), plays the script,
    // and adds the values it hands back.
    template <class D>
    std::string Run(std::string in, const std::string& script)
    {
        D dialog;
        std::replace(in.begin(), in.end(), '_', ' ');
        std::istringstream values(in + "|");
        for (std::string* field : Of(dialog)) {
            std::getline(values, *field, '|');
            for (const auto& [text, label] : labels_)
                *field = label == *field && label[0] == '#' ? text : *field;
        }
        std::string seen = Play(dialog, script) + " ";
        for (std::string* field : Of(dialog))
            seen += *field + (field == Of(dialog).back() ? "" : "|");
        for (const auto& [text, label] : labels_)
            for (size_t at; (at = seen.find(text)) != std::string::npos;)
                seen.replace(at, text.size(), label);
        return seen;
    }

    TestCertificates made_;
    std::vector<std::pair<std::string, std::string>> labels_;
    std::string root_;  // its name as a script word
};

// Values go in and come back as "|"-separated lists: LEAP user|password, TLS certificate|authority|domain|login,
// TTLS and PEAP authority|domain|login|user|password, the advanced dialog domain|login.
// LEAP and PEAP check the name, then the password, then the confirmation compared exactly; TLS asks for the domain
// first and TTLS for the login first, then for the user.
TEST_F(UserDialogs, EachDialogChecksItsValuesInItsOrder)
{
    auto typing = [](const std::string& user, const std::string& password, const std::string& confirmation) {
        return user + "= " + password + "= " + confirmation + "= 1 ? " + user + "=" + kLong + " 1 ? " + password +
               "=Secret-98765 1 ? " + confirmation + "=secret-987 1 ? " + confirmation + "=Secret-987 1";
    };
    const std::string typed = "'" + k32 + "' 'Secret-987' ", end = k32 + "|Secret-987";
    EXPECT_EQ(Run<CDlgLeapUser>("ann|pw", "? 1"), "'ann' 'pw' 'pw' @1014 | ok ann|pw");
    EXPECT_EQ(Run<CDlgLeapUser>("ann|pw", typing("1014", "1072", "1073")),
              "57368 '' '' '' @1014 | 57365 '" + k32 + "' '' '' @1072 | 57365 " + typed + "'' @1073 | 57369 " + typed +
                  "'secret-987' @1073 | ok " + end);
    // The PEAP dialog blames a mismatch on the password.
    EXPECT_EQ(Run<CDlgPeapUser>("", typing("1145", "1148", "1150")),
              "57368 [<Any>] '' '' '' @1145 | 57365 [<Any>] '" + k32 + "' '' '' @1148 | 57365 [<Any>] " + typed +
                  "'' @1150 | 57369 [<Any>] " + typed + "'secret-987' @1148 | ok |||" + end);
    Add(L"Ann", "Ann", "ann@corp.example");
    EXPECT_EQ(Run<CDlgTlsUser>("", "1079= 1132= 1 ? 1079=d 1 ? 1132=__ 1"),
              "57378 [Ann] * o [root0]- '' '' @1079 | 57374 [Ann] * o [root0]- 'd' '' @1132 | ok #Ann||d|");
    EXPECT_EQ(Run<CDlgTtlsUser>("", "1 ? 1132=" + kLong + " 1 ? 1079=_dom_ 1 ? 1135 1 | 1014=ann 1072=pw 1073=pw 1"),
              "57374 * o [root0]- '' '' @1132 | 57378 * o [root0]- '' '" + k32 + "' @1079 | " +
                  "57380 * o [root0]- ' dom ' '" + k32 + "' @1135 | ok |dom|" + k32 + "|ann|pw");
    EXPECT_EQ(Run<CDlgTtlsUser>("|d|l|u|", "1"), "57380 cancel |d|l|u|");
}

// Without user certificates it says so and closes, keeping the certificate handed in.
TEST_F(UserDialogs, TlsSelectsTheStoredCertificateAndProposesTheNamesItHolds)
{
    ASSERT_LE(CertificateList().Enumerate("MY"), 0) << "the test prefix's MY store is not empty";
    EXPECT_EQ(Run<CDlgTlsUser>("kept", ""), "57370 cancel kept|||");
    Add(L"Ann", "Ann", "ann@corp.example");
    const std::string tls = " * o [root0]- ";
    EXPECT_EQ(Run<CDlgTlsUser>("nope", "? 1"),
              "[Ann]" + tls + "'corp.example' 'ann' @1104 | ok #Ann||corp.example|ann");
    Add(L"Bob", "Bob", "", "bob@mail.example");
    Add(L"Cid", "Cid");
    // Names handed in stay until another certificate is chosen; its principal name or e-mail address gives them.
    EXPECT_EQ(Run<CDlgTlsUser>("#Bob||kept", "? 1104~Cid ? 1104~Ann ? 1104~Bob ? 1104~Cid 2"),
              "[Bob]" + tls + "'kept' '' @1104 | [Cid]" + tls + "'kept' '' @1104 | [Ann]" + tls +
                  "'corp.example' 'ann' @1104 | [Bob]" + tls +
                  "'mail.example' 'bob' @1104 | cancel #Cid||mail.example|bob");
}

// LEAP and PEAP take names and passwords as typed up to their limits: blanks at the ends and inside, asterisks and
// bytes above 0x7F stay; the edits take no control character. The authority radios enable the list and only a chosen
// authority is handed back; PEAP offers any authority first, then the roots, and takes the advanced names on OK; the
// advanced dialog checks a box for each value given and the checked box's edit takes the focus.
TEST_F(UserDialogs, ValuesComeBackAsTypedOrChosen)
{
    Add(L"Ann", "Ann");
    using Dialog = std::string (UserDialogs::*)(std::string, const std::string&);
    const Dialog leap = &UserDialogs::Run<CDlgLeapUser>, tls = &UserDialogs::Run<CDlgTlsUser>,
                 ttls = &UserDialogs::Run<CDlgTtlsUser>, peap = &UserDialogs::Run<CDlgPeapUser>,
                 advanced = &UserDialogs::Run<CDlgAdvancedConfig>;
    const struct { Dialog run; std::string in, script, out; } rows[] = {
        {leap, "|", "1014=_a*\xe9\x80\xff_ 1072=_p\x02*\xff\x7f_ 1073=_p*\xff\x1f_ 1",
         "ok  a*\xe9\x80\xff | p*\xff "},
        {peap, "", "1145=" + k32.substr(1) + " 1148=123456789 1150=123456789 1",
         "ok |||" + k32.substr(1) + "|123456789"},
        {leap, "|", "1014=__ 1072=0x12345678 1073=0X12345678 1 ?",
         "57369 '  ' '0x12345678' '0X12345678' @1073 | cancel |"},
        {tls, "|#root|d|l", "? 1129 ? 1",
         "[Ann] o * [root] 'd' 'l' @1104 | [Ann] * o [root]- 'd' 'l' @1129 | ok #Ann||d|l"},
        {tls, "|nope|d|l", "1130 1137~none 1", "ok #Ann||d|l"},
        {tls, "|nope|d|l", "1", "ok #Ann|#root0|d|l"},
        // Choosing an authority puts the certificate's displayed name in its place.
        {tls, "||d|l", "1130 1137~" + root_ + " 2", "cancel Ann||d|l"},
        {tls, "||d|l", "1130 1137~" + root_ + " 1", "ok #Ann|#root|d|l"},
        {ttls, "#root|d|l|u|p", "1129 ? 1138 ? 1",
         "* o [root]- 'd' 'l' @1129 | o * [root] 'd' 'l' @1138 | ok #root|d|l|u|p"},
        {ttls, "nope|d|l|u|p", "1137~none 1", "ok nope|d|l|u|p"},
        {ttls, "|d|l|u|p", "1138 1137~" + root_ + " 1", "ok #root|d|l|u|p"},
        {peap, "#root|||u|p", "? 1", "[root] 'u' 'p' 'p' @1144 | ok #root|||u|p"},
        {peap, "nope|||u|p", "? 1", "[<Any>] 'u' 'p' 'p' @1144 | ok |||u|p"},
        {peap, "#root|||u|p", "1144~<Any> 1", "ok |||u|p"},
        {peap, "|||u|p", "1144~" + root_ + " 1", "ok #root|||u|p"},
        {peap, "||_al_|u|p", "1143 1 | 1152 1079=_srv_ 1", "ok |srv|al|u|p"},
        {advanced, "", "? 1153 ? 1132=al 1153 ? 1", "o ''- o ''- @1152 | o ''- * '' @1132 | o ''- o ''- @1153 | ok |"},
        {advanced, "dom|al", "? 1", "* 'dom' * 'al' @1079 | ok dom|al"},
        {advanced, "|al", "? 1153 1", "o ''- * 'al' @1132 | ok |"},
        {advanced, "", "1153 1152 1 ? 1132=al 1 ? 1079=__ 1",
         "57374 * '' * '' @1132 | 57378 * '' * 'al' @1079 | ok |al"}};
    for (const auto& row : rows)
        EXPECT_EQ((this->*row.run)(row.in, row.script), row.out) << row.in << " " << row.script;
}

TEST_F(UserDialogs, HundredsOfCertificatesWithAnyNamesShowAndSelectByTheirIdentifiers)
{
    for (int i = 0; i < 300; ++i)
        Add(L"Cert " + std::to_wstring(i), "Cert" + std::to_string(i));
    const std::wstring names[] = {std::wstring(300, L'x'), L"Zo\u00EB \u00DCnal", L"\u6771\u4EAC", L"\u6771\u4EAC"};
    for (const std::wstring& name : names) {
        std::string label = "#name" + std::to_string(&name - names), shown(400, '\0');
        Add(name, label.substr(1));
        shown.resize(WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, &shown[0], 400, nullptr, nullptr) - 1);
        EXPECT_EQ(Run<CDlgTlsUser>(label + "||d|l", "? 1"),
                  "[" + shown + "] * o [root0]- 'd' 'l' @1104 | ok " + label + "||d|l");
    }
    EXPECT_EQ(Run<CDlgTlsUser>("||d|l", "1104~Cert_137 1"), "ok #Cert137||d|l");
    // Of equal identifiers the last is the one found.
    const CertificateList list = {{"a", "b", "c"}, {"X", "Y", "X"}};
    EXPECT_EQ(std::to_string(list.LastIndexOf("X")) + std::to_string(list.LastIndexOf("x")) + list.IdentifierAt(3),
              "2-1");
}

}  // namespace
