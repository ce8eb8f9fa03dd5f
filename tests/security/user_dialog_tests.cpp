// The user-information dialogs opened on their own, as the Security page
// opens them, with certificates the tests put into the user's real "MY"
// store: what each shows of the values handed in, its checks in order with
// their messages and focus, and the values it hands back.
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
#include "res/resource.h"
#include "support/expectations.h"
#include "support/user.h"
#include "support/user_certificates.h"

namespace {

const std::string kLong = "abcdefghijklmnopqrstuvwxyz0123456";  // 33 characters

std::string Ansi(const std::wstring& text)
{
    std::string bytes(text.size() * 4 + 1, '\0');
    bytes.resize(WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], static_cast<int>(bytes.size()),
                                     nullptr, nullptr) - 1);
    return bytes;
}

// Each edit's text in quotes, each list's selected item in brackets, each
// radio or check box as "*" (checked) or "o", "-" after a disabled control,
// then "@" and the ID of the control with the focus.
std::string View(HWND dialog)
{
    std::string view;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(child, kind, sizeof(kind));
        LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(kind, "Edit") == 0)
            view += "'" + user::WindowText(child) + "'";
        else if (lstrcmpiA(kind, "ComboBox") == 0)
            view += "[" + user::SelectedText(dialog, GetDlgCtrlID(child)) + "]";
        else if (lstrcmpiA(kind, "Button") == 0 && (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX))
            view += SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? "*" : "o";
        else
            continue;
        view += IsWindowEnabled(child) ? " " : "- ";
    }
    return view + "@" + std::to_string(GetDlgCtrlID(GetFocus())) + " | ";
}

// The values a dialog hands back.
std::string Out(const CDlgLeapUser& d) { return " " + d.userName + " " + d.password; }

std::string Out(const CDlgTlsUser& d)
{
    return " cert=" + d.certificate + " ca=" + d.authority + " " + d.domainName + "/" + d.loginName;
}

std::string Out(const CDlgPeapUser& d)
{
    return " ca=" + d.authority + " " + d.domainName + "/" + d.loginName + " " + d.userName + " " + d.password;
}

std::string Out(const CDlgAdvancedConfig& d) { return " " + d.domainName + "/" + d.loginName; }

std::string Out(const CDlgTtlsUser& d)
{
    return " ca=" + d.authority + " " + d.domainName + "/" + d.loginName + " " + d.userName + " " + d.password;
}

// Opens the dialog and plays the script, one " | "-separated part for each
// modal window in the order they come up: "ID=text" types over an edit
// ("ID=" empties it), "ID:text" chooses that item of a list, "ID" clicks,
// "?" notes the view. Message boxes by their string ID (with "!" when not
// the application's title and OK alone), views, how the dialog ended and
// the values it hands back.
template <class Dialog>
std::string Play(Dialog& dialog, const std::string& script)
{
    std::string trace;
    MessageBoxLog boxes({}, [&] {
        const ShownMessageBox& box = boxes.Shown().back();
        bool usual = box.caption == LoadResString(IDS_APP_TITLE) && box.type == MB_OK;
        for (UINT id : {57365, 57368, 57369, 57370, 57374, 57378, 57380})
            trace += LoadResString(id) == box.text ? std::to_string(id) + (usual ? " " : "! ") : "";
    });
    ModalWindows modal;
    std::istringstream parts(script);
    for (std::string part; std::getline(parts, part, '|');) {
        modal.Then([&trace, part](HWND window) {
            std::istringstream words(part);
            for (std::string word; words >> word;) {
                size_t mark = word.find_first_of("=:");
                int id = std::atoi(word.c_str());
                std::string text = mark == std::string::npos ? "" : word.substr(mark + 1);
                std::replace(text.begin(), text.end(), '_', ' ');
                if (word == "?")
                    trace += View(window);
                else if (mark == std::string::npos)
                    user::Click(window, id);
                else if (word[mark] == '=')
                    user::Retype(window, id, text.empty() ? "\b" : text);
                else
                    user::ChooseItem(window, id, static_cast<int>(SendDlgItemMessageA(
                        window, id, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str()))));
            }
            // Ends what the script left open, so that a refused OK fails the
            // row instead of waiting for a user; an ended dialog never reads it.
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    }
    trace += dialog.DoModal() == IDOK ? "ok" : "cancel";
    return trace + Out(dialog);
}

class UserDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        roots_.Enumerate("ROOT");
        // A root of its own name, to be chosen by it.
        const std::vector<std::string>& names = roots_.displayNames;
        for (root_ = 1; root_ < names.size() && std::count(names.begin(), names.end(), names[root_]) > 1;)
            ++root_;
        ASSERT_LT(root_, names.size());
    }

    std::string Add(const std::string& name, const std::string& upn = "", const std::string& email = "")
    {
        return AddNamed(std::wstring(name.begin(), name.end()), name, upn, email);
    }

    // Its identifier shows as "#" and `label`.
    std::string AddNamed(const std::wstring& name, const std::string& label, const std::string& upn = "",
                         const std::string& email = "")
    {
        ids_.push_back({made_.Add(name, upn, email), "#" + label});
        return ids_.back().first;
    }

    // Identifiers by "#" and the name, the roots by "root0" and "root".
    std::string Named(std::string text) const
    {
        auto replace = [&](const std::string& from, const std::string& to) {
            for (size_t at; !from.empty() && (at = text.find(from)) != std::string::npos;)
                text.replace(at, from.size(), to);
        };
        for (const auto& [id, name] : ids_)
            replace(id, name);
        replace(roots_.identifiers[root_], "#root");
        replace(roots_.identifiers[0], "#root0");
        replace(roots_.displayNames[root_], "root");
        replace(roots_.displayNames[0], "root0");
        return text;
    }

    // The script word that chooses the root in list `id`.
    std::string ChooseRoot(int id) const
    {
        std::string name = roots_.displayNames[root_];
        std::replace(name.begin(), name.end(), ' ', '_');
        return " " + std::to_string(id) + ":" + name + " ";
    }

    std::string Cut(std::string text, std::initializer_list<std::string> parts) const
    {
        for (const std::string& part : parts)
            for (size_t at; (at = text.find(part)) != std::string::npos;)
                text.erase(at, part.size());
        return Named(text);
    }

    CertificateList roots_;
    size_t root_ = 0;
    TestCertificates made_;
    std::vector<std::pair<std::string, std::string>> ids_;
};



TEST_F(UserDialogs, LeapChecksTheNameThenThePasswordThenTheConfirmationComparedExactly)
{
    const std::string name = kLong.substr(0, 32), in = "'" + name + "' 'Secret-987' ";
    const std::string rows[][3] = {
        {"ann pw", "? 1", "'ann' 'pw' 'pw' @1014 | ok ann pw"},
        {"ann pw", "1014=bob 2", "cancel ann pw"},
        {"", "1 ? 1014=" + kLong + " 1 ? 1072=Secret-98765 1 ? 1073=secret-987 1 ? 1073=Secret-987 1",
         "57368 '' '' '' @1014 | 57365 '" + name + "' '' '' @1072 | 57365 " + in + "'' @1073 | 57369 " + in +
             "'secret-987' @1073 | ok " + name + " Secret-987"}};
    for (const auto& row : rows) {
        CDlgLeapUser dialog;
        std::istringstream(row[0]) >> dialog.userName >> dialog.password;
        EXPECT_EQ(Play(dialog, row[1]), row[2]) << row[0];
    }
}

TEST_F(UserDialogs, TlsWithoutUserCertificatesSaysSoAndClosesKeepingTheCertificateHandedIn)
{
    ASSERT_LE(CertificateList().Enumerate("MY"), 0) << "the test prefix's MY store is not empty";
    CDlgTlsUser dialog;
    dialog.certificate = "kept";
    EXPECT_EQ(Play(dialog, ""), "57370 cancel cert=kept ca= /");
}

TEST_F(UserDialogs, TlsSelectsTheStoredCertificateAndProposesItsNamesWhenNoneAreSet)
{
    Add("Ann", "ann@corp.example");
    const std::string rows[][4] = {
        {"nope", "", "? 1", "[Ann] * o [root0]- 'corp.example' 'ann' @1104 | ok cert=#Ann ca= corp.example/ann"},
        {"", "kept", "? 2", "[Ann] * o [root0]- 'kept' '' @1104 | cancel cert=#Ann ca= kept/"}};
    for (const auto& row : rows) {
        CDlgTlsUser dialog;
        dialog.certificate = row[0];
        dialog.domainName = row[1];
        EXPECT_EQ(Named(Play(dialog, row[2])), row[3]);
    }
    // Each choice proposes again what the certificate holds, from its
    // principal name or its e-mail address.
    CDlgTlsUser dialog;
    dialog.certificate = Add("Bob", "", "bob@mail.example");
    Add("Cid");
    dialog.domainName = "kept";
    EXPECT_EQ(Named(Play(dialog, "? 1104:Cid ? 1104:Ann ? 1104:Bob ? 1104:Cid 1")),
              "[Bob] * o [root0]- 'kept' '' @1104 | [Cid] * o [root0]- 'kept' '' @1104 | "
              "[Ann] * o [root0]- 'corp.example' 'ann' @1104 | [Bob] * o [root0]- 'mail.example' 'bob' @1104 | "
              "ok cert=#Cid ca= mail.example/bob");
}

TEST_F(UserDialogs, TlsAsksForTheDomainFirstAndTtlsForTheLoginFirstThenForTheUser)
{
    CDlgTlsUser tls;
    tls.certificate = Add("Ann", "ann@corp.example");
    EXPECT_EQ(Named(Play(tls, "1079= 1132= 1 ? 1079=d 1 ? 1132=__ 1")),
              "57378 [Ann] * o [root0]- '' '' @1079 | 57374 [Ann] * o [root0]- 'd' '' @1132 | ok cert=#Ann ca= d/");
    CDlgTtlsUser ttls;
    const std::string user = "| 1014=ann 1072=pw 1073=pw 1";
    EXPECT_EQ(Named(Play(ttls, "1 ? 1132=" + kLong + " 1 ? 1079=_dom_ 1 ? 1135 1 " + user)),
              "57374 * o [root0]- '' '' @1132 | 57378 * o [root0]- '' 'abcdefghijklmnopqrstuvwxyz012345' @1079 | "
              "57380 * o [root0]- ' dom ' 'abcdefghijklmnopqrstuvwxyz012345' @1135 | "
              "ok ca= dom/abcdefghijklmnopqrstuvwxyz012345 ann pw");
}

TEST_F(UserDialogs, TheAuthorityRadiosEnableTheListAndOnlyAChosenAuthorityIsHandedBack)
{
    Add("Ann", "ann@corp.example");
    // The TLS dialog hands back no authority for no selection, and after a
    // chosen authority the certificate's displayed name.
    const std::string rows[][3] = {
        {"#root", "? 1129 ? 1130 ? 1", "o * [root] @1104 | * o [root]- @1129 | o * [root] @1130 | ok cert=#Ann ca=#root"},
        {"#root", "1129 1", "ok cert=#Ann ca="},
        {"nope", "? 1", "o * [root0] @1104 | ok cert=#Ann ca=#root0"},
        {"", "1130" + ChooseRoot(1137) + "2", "cancel cert=Ann ca="},
        {"", "1130" + ChooseRoot(1137) + "1", "ok cert=#Ann ca=#root"},
        {"nope", "1137:none 1", "ok cert=#Ann ca="}};
    for (const auto& row : rows) {
        CDlgTlsUser dialog;
        dialog.authority = row[0] == "#root" ? roots_.identifiers[root_] : row[0];
        dialog.domainName = "d";
        dialog.loginName = "l";
        EXPECT_EQ(Cut(Play(dialog, row[1]), {"[Ann] ", " 'd' 'l'"}), row[2] + " d/l") << row[1];
    }
    const std::string ttlsRows[][3] = {
        {"#root", "? 1129 ? 1138 ? 1", "o * [root] @1138 | * o [root]- @1129 | o * [root] @1138 | ok ca=#root"},
        {"", "1138" + ChooseRoot(1137) + "1", "ok ca=#root"},
        {"nope", "1137:none 1", "ok ca=nope"},
        {"nope", "1129 2", "cancel ca=nope"}};
    for (const auto& row : ttlsRows) {
        CDlgTtlsUser dialog;
        dialog.authority = row[0] == "#root" ? roots_.identifiers[root_] : row[0];
        dialog.domainName = "d";
        dialog.loginName = "l";
        dialog.userName = "u";
        dialog.password = "p";
        EXPECT_EQ(Cut(Play(dialog, row[1]), {" 'd' 'l'"}), row[2] + " d/l u p") << row[1];
    }
}

TEST_F(UserDialogs, PeapOffersAnyAuthorityFirstAndBlamesAMismatchOnThePassword)
{
    const std::string name = kLong.substr(0, 32), typed = "'" + name + "' 'Secret-987' ";
    // Authority, user and password handed in; the script; what is seen.
    const std::string rows[][3] = {
        {"#root bob pw", "? 1", "[root] 'bob' 'pw' 'pw' @1144 | ok ca=#root d/l bob pw"},
        {"nope bob pw", "? 1", "[<Any>] 'bob' 'pw' 'pw' @1144 | ok ca= d/l bob pw"},
        {"#root bob pw", "1144:<Any> 1", "ok ca= d/l bob pw"},
        {"- bob pw", ChooseRoot(1144) + "1", "ok ca=#root d/l bob pw"},
        {"- bob pw", "1143 1 | 1153 1079=_srv_ 1", "ok ca= srv/ bob pw"},
        {"- - -", "1145= 1148= 1150= 1 ? 1145=" + kLong + " 1 ? 1148=Secret-98765 1 ? 1150=secret-987 1 ? 1150=Secret-987 1",
         "57368 [<Any>] '' '' '' @1145 | 57365 [<Any>] " + typed.substr(0, 35) + "'' '' @1148 | 57365 [<Any>] " + typed +
             "'' @1150 | 57369 [<Any>] " + typed + "'secret-987' @1148 | ok ca= d/l " + name + " Secret-987"}};
    for (const auto& row : rows) {
        CDlgPeapUser dialog;
        std::istringstream(row[0]) >> dialog.authority >> dialog.userName >> dialog.password;
        if (dialog.authority == "#root")
            dialog.authority = roots_.identifiers[root_];
        dialog.domainName = "d";
        dialog.loginName = " l ";
        EXPECT_EQ(Named(Play(dialog, row[1])), row[2]) << row[1];
    }
}

TEST_F(UserDialogs, AdvancedChecksABoxForEachValueAndTheCheckedBoxesEditTakesTheFocus)
{
    const std::string rows[][3] = {
        {"- -", "? 1153 ? 1132=al 1153 ? 1", "o ''- o ''- @1152 | o ''- * '' @1132 | o ''- o ''- @1153 | ok /"},
        {"dom al", "? 1", "* 'dom' * 'al' @1079 | ok dom/al"},
        {"- al", "? 1", "o ''- * 'al' @1132 | ok /al"},
        {"dom al", "1153 1", "ok dom/"},
        {"- -", "1153 1152 1 ? 1132=al 1 ? 1079=__ 1", "57374 * '' * '' @1132 | 57378 * '' * 'al' @1079 | ok /al"}};
    for (const auto& row : rows) {
        CDlgAdvancedConfig dialog;
        std::istringstream(row[0]) >> dialog.domainName >> dialog.loginName;
        dialog.domainName = dialog.domainName == "-" ? "" : dialog.domainName;
        dialog.loginName = dialog.loginName == "-" ? "" : dialog.loginName;
        EXPECT_EQ(Play(dialog, row[1]), row[2]) << row[1];
    }
}

TEST_F(UserDialogs, HundredsOfCertificatesWithAnyNamesShowAndSelectByTheirIdentifiers)
{
    for (int i = 0; i < 300; ++i)
        Add("Cert " + std::to_string(i));
    const std::wstring longName(300, L'x'), zoe = L"Zo\u00EB \u00DCnal", tokyo = L"\u6771\u4EAC";
    AddNamed(longName, "long");
    AddNamed(zoe, "zoe");
    const std::string tokyo1 = AddNamed(tokyo, "tokyo1"), tokyo2 = AddNamed(tokyo, "tokyo2");
    const std::pair<std::string, std::string> rows[] = {
        {tokyo2, "[" + Ansi(tokyo) + "] * o [root0]- @1104 | ok cert=#tokyo2 ca= d/l"},
        {tokyo1, "[" + Ansi(tokyo) + "] * o [root0]- @1104 | ok cert=#tokyo1 ca= d/l"},
        {ids_[300].first, "[" + Ansi(longName) + "] * o [root0]- @1104 | ok cert=#Cert 137 ca= d/l"},
        {ids_[301].first, "[" + Ansi(zoe) + "] * o [root0]- @1104 | ok cert=#zoe ca= d/l"}};
    for (const auto& [id, seen] : rows) {
        CDlgTlsUser dialog;
        dialog.certificate = id;
        dialog.domainName = "d";
        dialog.loginName = "l";
        EXPECT_EQ(Cut(Play(dialog, id == ids_[300].first ? "? 1104:Cert_137 1" : "? 1"), {" 'd' 'l'"}), seen);
    }
}

TEST(CertificateLists, TheLastOfDuplicateIdentifiersIsTheOneFound)
{
    const CertificateList list = {{"a", "b", "c", "d"}, {"X", "Y", "X", "x"}};
    EXPECT_EQ(std::to_string(list.LastIndexOf("X")) + std::to_string(list.LastIndexOf("x")) +
                  std::to_string(list.LastIndexOf("Z")) + list.IdentifierAt(4),
              "23-1");
}

}  // namespace
