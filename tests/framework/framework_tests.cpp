// The framework on a test form, test pages and a resource-only module: what the applet's pages do not already drive
// through the real sheet, where resources come from, the application object, the string helpers and who ends what.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/framework.h"
#include "framework_test_resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

struct FormDialog : CDialog {
    FormDialog() : CDialog(IDD_FW_FORM) {}
    std::string name = "initial";  // exchanged with IDC_FW_NAME
    CComboBox choices;
    CListCtrl list;
    int nameChanges = 0, timers = 0;
    std::function<void()> duringExchange = [] {};  // at the end of every data exchange

    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<FormDialog> map(CDialog::GetMessageMap(), {
            OnCommand(IDC_FW_NAME, EN_CHANGE, &FormDialog::OnNameChange),
            OnNotify(IDC_FW_LIST, NM_RCLICK, &FormDialog::OnRightClick),
            OnMessage(WM_TIMER, &FormDialog::OnTimer),
        });
        return &map;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_FW_CHOICES, choices);
        DDX_Control(dx, IDC_FW_LIST, list);
        DDX_Text(dx, IDC_FW_NAME, name);
        duringExchange();
    }
    void OnNameChange() { ++nameChanges; }
    LRESULT OnRightClick(NMHDR*) { return 5; }
    LRESULT OnTimer(WPARAM, LPARAM) { ++timers; return 0; }
};

// Its table chains to the form's, with an entry that hides the form's.
struct DerivedForm : FormDialog {
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<DerivedForm> map(FormDialog::GetMessageMap(),
                                                 {OnNotify(IDC_FW_LIST, NM_RCLICK, &DerivedForm::OnDerivedRightClick)});
        return &map;
    }
    LRESULT OnDerivedRightClick(NMHDR*) { return 6; }
};

struct TestPage : CPropertyPage {
    explicit TestPage(UINT templateId) : CPropertyPage(templateId) {}
    // Exchanged with IDC_FW_PAGE_EDIT, at most four characters, then IDC_FW_PAGE_LATER.
    std::string text, later;
    bool refuseToLeave = false;
    int inits = 0, leaves = 0, oks = 0, cancels = 0;

    BOOL OnInitDialog() override { ++inits; return CPropertyPage::OnInitDialog(); }
    BOOL OnKillActive() override { ++leaves; return refuseToLeave ? FALSE : CPropertyPage::OnKillActive(); }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_FW_PAGE_EDIT, text);
        DDV_MaxChars(dx, text, 4);
        DDX_Text(dx, IDC_FW_PAGE_LATER, later);
    }
};

// Counts its ends; deletes itself with its window, as the applet's sheet does. A sheet gets one page.
template <class Base>
struct SelfDeleting : Base {
    explicit SelfDeleting(UINT id) : Base(id)
    {
        if constexpr (std::is_same_v<Base, CPropertySheet>)
            this->AddPage(&page);
    }
    ~SelfDeleting() override { ++ended; }
    void PostNcDestroy() override { delete this; }
    CPropertyPage page{IDD_FW_PAGE_FIRST};
    static inline int ended = 0;
};

// With the resource-only module standing in for a language DLL loaded; the
// resources in force are this program's own again afterwards.
class Framework : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dll_, nullptr) << "framework_test_lang.dll"; }
    void TearDown() override { SetResourceHandle(own_); FreeLibrary(dll_); }
    std::string Which(HINSTANCE module) { return module == dll_ ? "dll" : module == own_ ? "own" : "neither"; }
    // Runs the form; `step` gets its window once its loop runs, then Cancel closes it.
    void RunForm(std::function<void(HWND window)> step)
    {
        ModalWindows modal;
        modal.Then([&](HWND window) {
            EXPECT_TRUE(window == form_.m_hWnd && IsWindowVisible(window));
            step(window);
            user::Click(window, IDCANCEL);
        });
        form_.DoModal();
    }
    // Runs a sheet of the three pages; `step` gets it once its loop runs and closes it, `dialogs` what it opens
    // meanwhile, in turn. The sheet's window ends detached; the pages outlive it and no longer point at it.
    INT_PTR RunSheet(std::function<void(CPropertySheet& sheet, HWND window)> step,
                     std::vector<std::function<void(HWND dialog)>> dialogs = {})
    {
        HWND window = nullptr;
        INT_PTR result;
        {
            CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
            for (TestPage* page : pages_)
                sheet.AddPage(page);
            ModalWindows modal;
            modal.Then([&](HWND shown) {
                EXPECT_TRUE((window = shown) == sheet.m_hWnd && IsWindowVisible(shown));
                step(sheet, shown);
            });
            for (auto& dialog : dialogs)
                modal.Then(dialog);
            result = sheet.DoModal();
            EXPECT_TRUE(!sheet.m_hWnd && !CWnd::FromHandlePermanent(window) && !IsWindow(window));
        }
        for (TestPage* page : pages_)
            EXPECT_EQ(page->GetSheet(), nullptr);
        return result;
    }
    // The tabs, the active page and, for each page, its index in the sheet,
    // whether it has a window ("w") and its init/leave/ok/cancel counts.
    std::string Pages(CPropertySheet& sheet, HWND window)
    {
        std::string seen = user::Tabs(window) + Format(" | active %d", sheet.GetPageIndex(sheet.GetActivePage()));
        for (TestPage* page : pages_)
            seen += Format(" | %d %s %d/%d/%d/%d", sheet.GetPageIndex(page), page->m_hWnd ? "w" : "-", page->inits,
                           page->leaves, page->oks, page->cancels);
        return seen;
    }

    DerivedForm form_;
    TestPage first_{IDD_FW_PAGE_FIRST}, second_{IDD_FW_PAGE_SECOND}, third_{IDD_FW_PAGE_THIRD};
    TestPage* pages_[3] = {&first_, &second_, &third_};
    HINSTANCE own_ = GetModuleHandleA(nullptr);
    HINSTANCE dll_ = LoadLibraryA("framework_test_lang.dll");
};

// A control's handle is kept between exchanges, but never past the control: one made in its place, or given its ID, is
// the one exchanged. The bound controls let go of their windows with the form.
TEST_F(Framework, DataExchangeFollowsAControlThatReplacesAnother)
{
    auto newEdit = [](HWND form) {
        return CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 40, 12, form, HMENU(IDC_FW_NAME), nullptr, nullptr);
    };
    // How the control with the ID comes; then what it shows, what is taken from it and what the one before shows.
    const std::pair<const char*, std::function<HWND(HWND, HWND)>> rows[] = {
        {"as made", [](HWND, HWND current) { return current; }},
        {"made again", [&](HWND form, HWND current) { DestroyWindow(current); return newEdit(form); }},
        {"ID taken", [&](HWND form, HWND current) { SetWindowLongPtrA(current, GWLP_ID, 0); return newEdit(form); }},
    };
    std::string seen;
    RunForm([&](HWND form) {
        for (HWND before = nullptr, current = GetDlgItem(form, IDC_FW_NAME); const auto& row : rows) {
            before = std::exchange(current, row.second(form, current));
            form_.name = row.first;
            form_.UpdateData(FALSE);
            seen += user::WindowText(current) + " / ";
            SetWindowTextA(current, "typed");
            form_.UpdateData(TRUE);
            bool other = before != current && IsWindow(before);
            seen += form_.name + " / " + (other ? user::WindowText(before) : "-") + "\n";
        }
    });
    bool bound = form_.choices.m_hWnd || form_.list.m_hWnd;
    EXPECT_EQ(seen + Format("ended: window %d, bound %d", form_.m_hWnd != nullptr, bound),
              "as made / typed / -\nmade again / typed / -\nID taken / typed / typed\nended: window 0, bound 0");
}

// What the wrapper adds: an index past the list selects nothing (Wine's combo box would keep the selection), and an
// item that is not there reads as empty.
TEST_F(Framework, AComboBoxIndexPastItsListSelectsNothing)
{
    RunForm([&](HWND window) {
        CComboBox& combo = form_.choices;
        combo.AddString("Alpha");
        combo.AddString("beta");
        int set = combo.SetCurSel(1);
        std::string seen = Format("set 1: %d ", set) + user::SelectedText(window, IDC_FW_CHOICES);
        set = combo.SetCurSel(2);
        seen += Format(" | set 2: %d, selected %d | ", set, combo.GetCurSel()) + combo.GetLBText(0);
        EXPECT_EQ(seen + " '" + combo.GetLBText(2) + "'", "set 1: 1 beta | set 2: -1, selected -1 | Alpha ''");
    });
}

TEST_F(Framework, ControlNotificationsReachTheChainedTablesOnlyOutsideADataExchange)
{
    RunForm([&](HWND window) {
        // OnInitDialog's exchange sets the edit's text unheard.
        std::string seen = Format("shown: name %d", form_.nameChanges);
        // A timer message, which is no control notification, and right clicks
        // on the list and another control: what reached the form since last time.
        auto heard = [&](const std::string& when) {
            SendMessageA(window, WM_TIMER, 99, 0);
            LRESULT clicks[2];
            for (int id : {IDC_FW_LIST, IDC_FW_CHOICES}) {
                NMHDR header = {GetDlgItem(window, id), UINT_PTR(id), UINT(NM_RCLICK)};
                clicks[id == IDC_FW_CHOICES] = SendMessageA(window, WM_NOTIFY, id, LPARAM(&header));
            }
            seen += Format(" | %s: name %d timer %d | right click %d, of another control %d", when.c_str(),
                           form_.nameChanges, form_.timers, int(clicks[0]), int(clicks[1]));
            form_.nameChanges = form_.timers = 0;
        };
        form_.name = "shown";
        form_.duringExchange = [&] { heard("exchange"); };
        EXPECT_TRUE(form_.UpdateData(FALSE));
        form_.duringExchange = [] {};
        seen += " | text " + user::Text(window, IDC_FW_NAME);
        form_.SetDlgItemText(IDC_FW_NAME, "set");
        heard("after, text " + form_.GetDlgItemText(IDC_FW_NAME));
        EXPECT_EQ(seen, "shown: name 0 | exchange: name 0 timer 1 | right click 0, of another control 0 | text shown"
                        " | after, text set: name 1 timer 1 | right click 6, of another control 0");
    });
}

// Cancel reaches every page with a window. A dialog belongs to the sheet, which waits: a page's through its parent;
// one without a parent, even with another program's window in front, to the innermost modal window.
TEST_F(Framework, APageIsLeftOnlyWhenItLetsGoAndItsValuesPass)
{
    MessageBoxLog boxes;
    HWND other = CreateWindowA("STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, 0, 0, 0, 0), outer = nullptr;
    std::string seen;
    auto owner = [&](HWND dialog, HWND expected) {
        seen += Format(" %d%d", GetWindow(dialog, GW_OWNER) == expected, IsWindowEnabled(expected));
    };
    INT_PTR result = RunSheet([&](CPropertySheet& sheet, HWND window) {
        HWND page = first_.m_hWnd;
        user::Type(page, IDC_FW_PAGE_EDIT, "one!!!");
        user::SwitchPage(window, 1);
        seen = "typed: " + first_.text;
        first_.text = "new";
        user::SwitchPage(window, 0);
        seen += ", shown when back: " + user::Text(page, IDC_FW_PAGE_EDIT);
        // Text put there by other means than typing is refused; the fields
        // after it are not taken and the focus goes to the field.
        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "too long");
        SetDlgItemTextA(page, IDC_FW_PAGE_LATER, "later");
        SetFocus(GetDlgItem(page, IDC_FW_PAGE_LATER));
        user::SwitchPage(window, 1);
        seen += " | too long: later '" + first_.later + Format("' focus %d: ", user::HasFocus(page, IDC_FW_PAGE_EDIT));
        seen += Pages(sheet, window);
        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "ok");
        first_.refuseToLeave = true;
        user::SwitchPage(window, 1);
        // OK asks the page too: nothing is applied and the sheet stays.
        user::PressOk(window);
        seen += Format("\nrefusing, open %d: ", IsWindowVisible(window)) + Pages(sheet, window);
        first_.refuseToLeave = false;
        user::SwitchPage(window, 1);
        seen += "\nletting go: " + Pages(sheet, window) + "\nowned, owner disabled:";
        CDialog(IDD_FW_TRANSLATED, &first_).DoModal();
        SetActiveWindow(other);
        CDialog(IDD_FW_TRANSLATED).DoModal();
        user::PressCancel(window);
        seen += "\nCancel: " + Pages(sheet, window);
    }, {[&](HWND dialog) {
        owner(dialog, first_.GetSheet()->m_hWnd);
        EndDialog(dialog, IDOK);
    }, [&](HWND dialog) {
        owner(outer = dialog, first_.GetSheet()->m_hWnd);
        SetActiveWindow(other);
        CDialog(IDD_FW_TRANSLATED).DoModal();
        EndDialog(dialog, IDOK);
    }, [&](HWND dialog) {
        owner(dialog, outer);
        EndDialog(dialog, IDOK);
    }});
    DestroyWindow(other);
    EXPECT_EQ(seen + Format("\nresult %d", int(result)),
              "typed: one!, shown when back: new | too long: later '' focus 1: "
              "First Second Third | active 0 | 0 w 1/2/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
              "refusing, open 1: First Second Third | active 0 | 0 w 1/4/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
              "letting go: First Second Third | active 1 | 0 w 1/5/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
              "owned, owner disabled: 10 10 10\n"
              "Cancel: First Second Third | active 1 | 0 w 1/5/0/1 | 1 w 1/1/0/1 | 2 - 0/0/0/0\nresult 0");
    EXPECT_EQ(boxes.Text("Framework Sheet"),
              "box: At most 4 characters fit here. [style " + std::to_string(MB_ICONEXCLAMATION) + "] | ");
}

TEST_F(Framework, ResourcesComeFromTheResourceModuleInForceThenTheOwnModule)
{
    // What the module state in force finds; the resource module has the string block, not the entry, nor the form; its
    // icon is another picture, told apart by the module it was loaded from.
    auto resources = [&] {
        ICONINFOEXA icon{sizeof(icon)};
        bool iconFound = GetIconInfoExA(LoadResourceIcon(IDI_FW_ICON), &icon);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
        std::string dialog;
        ModalWindows modal;
        modal.Then([&](HWND window) {
            dialog = user::WindowText(window);
            EndDialog(window, IDOK);
        }).Then([](HWND window) { EndDialog(window, IDOK); });
        INT_PTR translated = CDialog(IDD_FW_TRANSLATED).DoModal(), form = CDialog(IDD_FW_FORM).DoModal();
        std::string found = Which(GetResourceHandle()) + ", instance " + Which(GetInstanceHandle()) + " | " +
                            LoadResString(IDS_FW_TRANSLATED) + ", " + LoadResString(IDS_FW_OWN_ONLY) + " | icon " +
                            (iconFound ? Which(GetModuleHandleA(icon.szModName)) : "none") +
                            Format(" %d | dialogs", !!LoadResourceIcon(IDI_FW_ICON + 1));
        for (int id : {IDD_FW_TRANSLATED, IDD_FW_FORM, IDD_FW_MISSING})
            found += " " + Which(FindResourceHandle(MAKEINTRESOURCEA(id), RT_DIALOG));
        INT_PTR missing = CDialog(IDD_FW_MISSING).DoModal();
        return found + Format(" | shown %d %d %d ", int(translated), int(form), int(missing)) + dialog;
    };
    // A scoped state holds for its thread only, and switching changes the state in force, not the module's own.
    ModuleState translated{own_, dll_}, other{own_, own_};
    std::string seen, otherThread;
    {
        ModuleStateScope scope(translated);
        std::thread([&] { otherThread = Which(GetResourceHandle()); }).join();
        seen = "scoped, other thread " + otherThread + ": " + resources();
        {
            ModuleStateScope inner(other);
            seen += "\ninner: " + resources();
            SetResourceHandle(dll_);
            seen += "\ninner switched, own " + Which(OwnModuleState().resources) + ": " + resources();
        }
        seen += Format("\nouter again %d", &CurrentModuleState() == &translated);
    }
    seen += Format(", ended %d: ", &CurrentModuleState() == &OwnModuleState()) + resources();
    const std::string own = "own, instance own | Original text, Only in the program | icon own 0"
                            " | dialogs own own neither | shown 1 1 -1 Original Dialog";
    const std::string dll = "dll, instance own | Translated text, Only in the program | icon dll 0"
                            " | dialogs dll own neither | shown 1 1 -1 Translated Dialog";
    EXPECT_EQ(seen, "scoped, other thread own: " + dll +
                        "\ninner: " + own + "\ninner switched, own own: " + dll + "\nouter again 1, ended 1: " + own);
}

// Records its start and end in `calls`; its start fails unless `succeed`.
struct TestApp : CWinApp {
    explicit TestApp(std::string& calls) : CWinApp("Test"), calls(calls) {}
    BOOL InitInstance() override { calls += " init"; return succeed; }
    int ExitInstance() override { calls += " exit"; return 0; }
    std::string& calls;
    bool succeed = true;
};

TEST_F(Framework, TheApplicationStartsAndEndsWithTheModuleAndAFailedStartFailsTheLoad)
{
    std::string seen;
    {
        TestApp app(seen);
        seen += Format("current %d |", GetApp() == &app);
        for (bool succeed : {true, false}) {
            app.succeed = succeed;
            seen += Format(" started %d |", StartDllApplication(own_));
        }
        EndDllApplication();
    }
    EXPECT_EQ(seen + Format(" gone: app %d | resources ", GetApp() != nullptr) + Which(GetResourceHandle()),
              "current 1 | init started 1 | init exit started 0 | exit gone: app 0 | resources own");
}

// The helpers' rules the name dialog's rows do not already reach: other
// blanks than spaces, empty texts, characters 0x20 apart that are not letters.
TEST_F(Framework, StringsLoadAsTheyAreAndTheHelpersFollowTheirRules)
{
    std::string found = "untouched", missing = "untouched", digits, many(2000, 'a');
    bool foundIt = TryLoadResString(IDS_FW_PADDED, found);
    bool missingIt = TryLoadResString(IDS_FW_MISSING, missing) || TryLoadResString(IDS_FW_MISSING_BLOCK, missing);
    for (int i = 0; i < 31; ++i)
        digits += "0123456789";
    EXPECT_EQ(LoadResString(IDS_FW_SHEET_CAPTION) + "|" + LoadResString(IDS_FW_LAST_OF_BLOCK) + "|" +
                  LoadResString(IDS_FW_MISSING) + Format("| %d%d ", foundIt, missingIt) + found + "|" + missing +
                  "\n" + Trim(" \t Home  Network \r\n") + "|" + Trim(" \t\r\n ") + "|" + Trim("") +
                  Format("\ncontains %d, starts %d%d%d, equal %d%d%d", Contains("abc", ""),
                         StartsWith("Campus", "Campus Lab"), StartsWith("Campus", "campus"), StartsWith("", ""),
                         EqualsIgnoringCase("", ""), EqualsIgnoringCase("[x]", "{X}"), EqualsIgnoringCase("@", "`")) +
                  "\n" + LoadResString(IDS_FW_LONG) + "|" + Format("%d of %s", 3, "five") + "|" + Format("%s", "") +
                  "|" + Format("<%s>", many.c_str()),
              "Framework Sheet|End of block|| 10 Padded   |untouched\nHome  Network||\n"
              "contains 1, starts 001, equal 100\n" + digits + "|3 of five||<" + many + ">");
}

// Pages and sheets forget each other whichever ends first; a sheet runs on without its object; a sheet or dialog
// whose window cannot be made ends its object as its window would have; a list view that destroys its image lists (no
// LVS_SHAREIMAGELISTS) takes them over.
TEST_F(Framework, EachObjectEndsOnceAndNothingKeepsWhatEnded)
{
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    CPropertyPage* early = new CPropertyPage(IDD_FW_PAGE_FIRST);
    CPropertyPage late(IDD_FW_PAGE_SECOND);
    sheet.AddPage(early);
    sheet.AddPage(&late);
    delete early;
    {
        CPropertySheet shortLived(IDS_FW_SHEET_CAPTION);
        shortLived.AddPage(&late);
    }
    std::string seen = Format("pages %d late's sheet %d", sheet.GetPageCount(), !!late.GetSheet());
    INT_PTR result = RunSheet([&](CPropertySheet& running, HWND window) {
        running.Detach();
        LRESULT page = SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0);
        seen += Format(" | detached: page %d", page == LRESULT(first_.m_hWnd));
        SendMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    {
        RefusedWindows refused;
        (new SelfDeleting<CPropertySheet>(IDS_FW_SHEET_CAPTION))->DoModal();
    }
    (new SelfDeleting<CDialog>(IDD_FW_MISSING))->DoModal();
    seen += Format(" result %d | ended %d%d", int(result), SelfDeleting<CPropertySheet>::ended,
                   SelfDeleting<CDialog>::ended);

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (DWORD style : {DWORD(0), DWORD(LVS_SHAREIMAGELISTS)}) {
        CListCtrl list;
        list.Attach(CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | style, 0, 0, 100, 100, parent,
                                    nullptr, nullptr, nullptr));
        CImageList images;
        images.Create(16, 16, ILC_COLOR | ILC_MASK, 1, 0);
        HIMAGELIST handle = images.GetSafeHandle();
        list.SetImageList(images, LVSIL_SMALL);
        seen += std::string(" | images ") +
                (list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL) == LRESULT(handle) ? "in list" : "not in list") +
                (images.GetSafeHandle() ? ", kept" : ", handed over");
        DestroyWindow(list.Detach());
    }
    DestroyWindow(parent);
    EXPECT_EQ(seen, "pages 1 late's sheet 0 | detached: page 1 result 0 | ended 11"
                    " | images in list, handed over | images in list, kept");
}

// A window's object is found from any thread of the process, by the window that holds it now, and never through a
// window that is gone. An object made for a window in passing leaves it to its holder; the holder, once ended, leaves
// it to nobody.
TEST_F(Framework, AWindowLeadsToTheObjectHoldingItFromAnyThreadWhileItLives)
{
    CWnd first, *second = new CWnd;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto holder = [&, secondObject = second] {
        CWnd* found = CWnd::FromHandlePermanent(window);
        return std::string(found == &first ? "first" : found == secondObject ? "second" : found ? "other" : "nobody");
    };
    first.Attach(window);
    std::string seen = "attached: " + holder() + ", other thread: ";
    std::thread([&] { seen += holder(); }).join();
    second->Attach(window);
    first.Detach();
    { CWnd passing(window); }
    seen += " | taken over, first let go, passing object gone: " + holder();
    delete second;
    seen += " | second ended: " + holder();
    first.Attach(window);
    DestroyWindow(window);
    seen += " | destroyed, still held: " + holder();
    first.Detach();
    EXPECT_EQ(seen, "attached: first, other thread: first | taken over, first let go, passing object gone: second"
                    " | second ended: nobody | destroyed, still held: nobody");
}

}  // namespace
