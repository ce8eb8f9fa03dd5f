#include "user_actions.h"

#include <commctrl.h>

#include <vector>

#include "card_changes.h"
#include "random_stream.h"

namespace {

const UINT_PTR kStatusTimer = 2;

enum class Kind { Click, Type, Key, Choose, Page, Card };

struct Controls {
    std::vector<HWND> buttons, edits, lists;
};

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// Bytes as the log shows them: a line each, whatever the user typed.
std::string Printable(const std::string& bytes)
{
    std::string shown;
    const char kHex[] = "0123456789ABCDEF";
    for (unsigned char byte : bytes) {
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            shown += static_cast<char>(byte);
        else
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
    }
    return shown;
}

std::string Label(HWND window)
{
    char text[48] = "";
    GetWindowTextA(window, text, sizeof(text));
    return "\"" + Printable(text) + "\" (" + std::to_string(GetDlgCtrlID(window)) + ")";
}

// Shown and enabled as far up as `front`, which a user could reach.
bool Reachable(HWND control, HWND front)
{
    for (HWND window = control; window && window != front; window = GetParent(window)) {
        LONG style = GetWindowLongA(window, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            return false;
    }
    return true;
}

bool IsClickable(HWND button)
{
    switch (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: case BS_CHECKBOX: case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: case BS_3STATE: case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

struct Search {
    HWND front;
    Controls* found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter)
{
    Search& search = *reinterpret_cast<Search*>(parameter);
    if (!Reachable(window, search.front))
        return TRUE;
    std::string name = ClassOf(window);
    if (name == "Button" && IsClickable(window))
        search.found->buttons.push_back(window);
    else if (name == "Edit")
        search.found->edits.push_back(window);
    else if (name == "ComboBox" || name == WC_LISTVIEWA)
        search.found->lists.push_back(window);
    return TRUE;
}

Controls ControlsOf(HWND front)
{
    Controls controls;
    Search search = {front, &controls};
    EnumChildWindows(front, Collect, reinterpret_cast<LPARAM>(&search));
    return controls;
}

HWND Pick(const std::vector<HWND>& windows, RandomStream& random)
{
    return windows[random.Below(static_cast<unsigned>(windows.size()))];
}

bool ClosesSheet(HWND button, HWND sheet)
{
    int id = GetDlgCtrlID(button);
    return GetParent(button) == sheet && (id == IDOK || id == IDCANCEL);
}

UserAction Click(HWND front, HWND sheet, const Controls& controls, RandomStream& random)
{
    // OK and Cancel of the sheet end an opening: offered now and then only,
    // so that an opening lasts long enough to go deep.
    std::vector<HWND> buttons;
    bool mayClose = random.Chance(15);
    for (HWND button : controls.buttons) {
        if (mayClose || front != sheet || !ClosesSheet(button, sheet))
            buttons.push_back(button);
    }
    if (buttons.empty())
        return {"nothing to click", [] {}};
    HWND button = Pick(buttons, random);
    return {"click " + Label(button), [button] { SendMessageA(button, BM_CLICK, 0, 0); }};
}

// Mostly what a key can go into, but also bytes above 0x7F and control
// characters (backspace, Ctrl+V, escape, ...).
char RandomByte(RandomStream& random)
{
    const char kHexDigits[] = "0123456789ABCDEFabcdef";
    unsigned kind = random.Below(100);
    if (kind < 35)
        return static_cast<char>(0x20 + random.Below(0x5F));
    if (kind < 60)
        return kHexDigits[random.Below(sizeof(kHexDigits) - 1)];
    if (kind < 80)
        return static_cast<char>(0x80 + random.Below(0x80));
    return static_cast<char>(0x01 + random.Below(0x1F));
}

UserAction Type(const Controls& controls, RandomStream& random)
{
    if (controls.edits.empty())
        return {"nothing to type into", [] {}};
    HWND edit = Pick(controls.edits, random);
    std::string bytes;
    for (unsigned count = 1 + random.Below(8); count > 0; --count)
        bytes += RandomByte(random);
    return {"type \"" + Printable(bytes) + "\" into " + Label(edit), [edit, bytes] {
                SetFocus(edit);
                for (unsigned char byte : bytes) {
                    if (!IsWindow(edit))
                        return;
                    SendMessageA(edit, WM_CHAR, byte, 1);
                }
            }};
}

// A keyboard message goes through the dialog's own keyboard handling first
// (Tab, Enter, Escape, arrows between buttons), as the modal loop takes it.
void TakeKeyboardMessage(HWND front, HWND sheet, MSG& message)
{
    bool handled = front == sheet ? SendMessageA(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message))
                                  : IsDialogMessageA(front, &message);
    if (!handled)
        DispatchMessageA(&message);
}

// The characters a key makes are taken at once, before anything else the
// user does, as a user's typing comes before their next click: taken later,
// after a page switch hid their control, Wine's IsDialogMessage would look
// for the control's mnemonic forever.
void PressKey(HWND front, HWND sheet, WPARAM key)
{
    HWND focus = GetFocus();
    if (!focus)
        focus = front;
    for (UINT kind : {WM_KEYDOWN, WM_KEYUP}) {
        if (!IsWindow(front) || !IsWindow(focus))
            return;
        MSG message = {focus, kind, key, kind == WM_KEYDOWN ? 1 : 0xC0000001, GetTickCount(), {0, 0}};
        TakeKeyboardMessage(front, sheet, message);
        MSG character;
        while (IsWindow(front) && PeekMessageA(&character, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE))
            TakeKeyboardMessage(front, sheet, character);
    }
}

UserAction Key(HWND front, HWND sheet, RandomStream& random)
{
    struct Named {
        WPARAM key;
        const char* name;
    };
    const Named keys[] = {{VK_TAB, "Tab"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Escape"}, {VK_LEFT, "Left"},
                          {VK_RIGHT, "Right"}, {VK_UP, "Up"},     {VK_DOWN, "Down"},     {VK_HOME, "Home"},
                          {VK_END, "End"},   {VK_DELETE, "Delete"}, {VK_SPACE, "Space"}, {VK_TAB, "Tab"}};
    const Named& chosen = keys[random.Below(sizeof(keys) / sizeof(keys[0]))];
    WPARAM key = chosen.key;
    return {std::string("key ") + chosen.name, [front, sheet, key] { PressKey(front, sheet, key); }};
}

void ChooseRow(HWND list, int row)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = item.stateMask;
    SetFocus(list);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// CB_SETCURSEL sends no notification; a user's choice does.
void ChooseItem(HWND combo, int index)
{
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

UserAction Choose(const Controls& controls, RandomStream& random)
{
    if (controls.lists.empty())
        return {"nothing to choose from", [] {}};
    HWND list = Pick(controls.lists, random);
    bool isCombo = ClassOf(list) == "ComboBox";
    LRESULT count = SendMessageA(list, isCombo ? CB_GETCOUNT : LVM_GETITEMCOUNT, 0, 0);
    if (count <= 0)
        return {"empty list " + Label(list), [] {}};
    int index = static_cast<int>(random.Below(static_cast<unsigned>(count)));
    std::string text = "choose item " + std::to_string(index) + " of " + Label(list);
    if (isCombo)
        return {text, [list, index] { ChooseItem(list, index); }};
    return {text, [list, index] { ChooseRow(list, index); }};
}

// As a click on the tab: the tab control takes the focus, then the sheet
// switches (or the page refuses to be left).
UserAction SwitchPage(HWND sheet, RandomStream& random)
{
    HWND tabs = PropSheet_GetTabControl(sheet);
    int count = tabs ? TabCtrl_GetItemCount(tabs) : 0;
    int index = static_cast<int>(random.Below(static_cast<unsigned>(count)));
    return {"page " + std::to_string(index), [sheet, tabs, index] {
                SetFocus(tabs);
                SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
            }};
}

UserAction ChangeCard(HWND sheet, RandomStream& random)
{
    // Drawn now, so that the log names the change before the applet meets it.
    std::string change = ChangeCardAtRandom(random);
    return {"vyrsim: " + change, [sheet] { TickStatusPage(sheet); }};
}

Kind ChooseKind(bool onSheet, RandomStream& random)
{
    unsigned draw = random.Below(100);
    if (draw < 5)
        return Kind::Card;
    if (draw < 15)
        return onSheet ? Kind::Page : Kind::Click;
    if (draw < 50)
        return Kind::Click;
    if (draw < 72)
        return Kind::Type;
    if (draw < 83)
        return Kind::Key;
    return Kind::Choose;
}

}  // namespace

UserAction ChooseAction(HWND front, HWND sheet, RandomStream& random)
{
    Controls controls = ControlsOf(front);
    switch (ChooseKind(front == sheet, random)) {
    case Kind::Card:
        return ChangeCard(sheet, random);
    case Kind::Page:
        return SwitchPage(sheet, random);
    case Kind::Click:
        return Click(front, sheet, controls, random);
    case Kind::Type:
        return Type(controls, random);
    case Kind::Key:
        return Key(front, sheet, random);
    default:
        return Choose(controls, random);
    }
}

void TickStatusPage(HWND sheet)
{
    HWND status = sheet && IsWindow(sheet) ? PropSheet_IndexToHwnd(sheet, 0) : nullptr;
    if (status)
        SendMessageA(status, WM_TIMER, kStatusTimer, 0);
}
