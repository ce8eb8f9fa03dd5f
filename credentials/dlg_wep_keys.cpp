#include "dlg_wep_keys.h"

#include <algorithm>

#include "profiles/current_profile.h"
#include "res/resource.h"
#include "wep_key_text.h"

namespace {

const int kKeyEdits[] = {IDC_WEP_KEY1, IDC_WEP_KEY2, IDC_WEP_KEY3, IDC_WEP_KEY4};
const int kLengthLists[] = {IDC_WEP_KEY1_LENGTH, IDC_WEP_KEY2_LENGTH, IDC_WEP_KEY3_LENGTH, IDC_WEP_KEY4_LENGTH};
const UINT kDefaultKeyTexts[] = {IDS_WEP_KEY1, IDS_WEP_KEY2, IDS_WEP_KEY3, IDS_WEP_KEY4};
const UINT kHexLengthTexts[] = {IDS_WEP_LEN_HEX_64, IDS_WEP_LEN_HEX_128};
const UINT kCharacterLengthTexts[] = {IDS_WEP_LEN_CHAR_64, IDS_WEP_LEN_CHAR_128};
const UINT kHexFormat = 0;
const UINT kCharacterFormat = 1;
const int kLength64 = 0;
const int kLength128 = 1;
const int kLengthNotSet = 3;

// Key 1 starts at 64 bits, the others at 128.
int FirstLengthOf(int key)
{
    return key == 0 ? kLength64 : kLength128;
}

}  // namespace

CDlgWepKeys::CDlgWepKeys() : CDialog(IDD_WEP_KEYS) {}

const MessageMapBase* CDlgWepKeys::GetMessageMap() const
{
    static const MessageMap<CDlgWepKeys> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_WEP_ALPHANUMERIC, BN_CLICKED, &CDlgWepKeys::OnAlphanumeric),
        OnCommand(IDC_WEP_HEX, BN_CLICKED, &CDlgWepKeys::OnHexadecimal),
        OnCommand(IDC_WEP_KEY1_LENGTH, CBN_SELCHANGE, &CDlgWepKeys::OnLengthChange<0>),
        OnCommand(IDC_WEP_KEY2_LENGTH, CBN_SELCHANGE, &CDlgWepKeys::OnLengthChange<1>),
        OnCommand(IDC_WEP_KEY3_LENGTH, CBN_SELCHANGE, &CDlgWepKeys::OnLengthChange<2>),
        OnCommand(IDC_WEP_KEY4_LENGTH, CBN_SELCHANGE, &CDlgWepKeys::OnLengthChange<3>),
        OnCommand(IDC_WEP_KEY1, EN_UPDATE, &CDlgWepKeys::OnKeyUpdate<0>),
        OnCommand(IDC_WEP_KEY2, EN_UPDATE, &CDlgWepKeys::OnKeyUpdate<1>),
        OnCommand(IDC_WEP_KEY3, EN_UPDATE, &CDlgWepKeys::OnKeyUpdate<2>),
        OnCommand(IDC_WEP_KEY4, EN_UPDATE, &CDlgWepKeys::OnKeyUpdate<3>),
        OnCommand(IDC_WEP_KEY1, EN_CHANGE, &CDlgWepKeys::OnKeyChange<0>),
        OnCommand(IDC_WEP_KEY2, EN_CHANGE, &CDlgWepKeys::OnKeyChange<1>),
        OnCommand(IDC_WEP_KEY3, EN_CHANGE, &CDlgWepKeys::OnKeyChange<2>),
        OnCommand(IDC_WEP_KEY4, EN_CHANGE, &CDlgWepKeys::OnKeyChange<3>),
    });
    return &map;
}

void CDlgWepKeys::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_WEP_HEX, hexRadio_);
    DDX_Control(dx, IDC_WEP_ALPHANUMERIC, alphanumericRadio_);
    DDX_Control(dx, IDC_WEP_DEFAULT_KEY, defaultKeyList_);
    for (int i = 0; i < 4; ++i) {
        DDX_Control(dx, kLengthLists[i], lengthLists_[i]);
        DDX_Control(dx, kKeyEdits[i], keyEdits_[i]);
        // A text the edit already shows is not set again, so that the
        // caret stays where the user types.
        DDX_DisplayText(dx, kKeyEdits[i], keyText[i]);
    }
}

BOOL CDlgWepKeys::OnInitDialog()
{
    CDialog::OnInitDialog();
    std::fill(std::begin(firstChange_), std::end(firstChange_), TRUE);
    hexRadio_.SetCheck(IsHexFormat(keyFormat) ? BST_CHECKED : BST_UNCHECKED);
    alphanumericRadio_.SetCheck(IsHexFormat(keyFormat) ? BST_UNCHECKED : BST_CHECKED);
    SetUpperCase();
    FillLengthLists();
    for (UINT text : kDefaultKeyTexts)
        defaultKeyList_.AddString(LoadResString(text));
    defaultKeyList_.SetCurSel(defaultKey >= 2 && defaultKey <= 4 ? static_cast<int>(defaultKey) - 1 : 0);

    if (keyText[0] == ToHexDigits(kReservedKey)) {
        keyText[0].clear();
        keyLengthIndex[0] = kLength64;
    }
    bool allEmpty = true;
    for (int i = 0; i < 4; ++i) {
        if (keyText[i].empty())
            continue;
        allEmpty = false;
        if (keyLengthIndex[i] == kLengthNotSet)
            keyLengthIndex[i] = FirstLengthOf(i);
        std::string mask = KeyMask(keyFormat, keyLengthIndex[i]);
        if (!showPlain && !mask.empty())
            keyText[i] = mask;
    }
    for (int i = 0; i < 4; ++i) {
        lengthLists_[i].SetCurSel(keyLengthIndex[i]);
        keyEdits_[i].LimitText(KeyLimit(keyFormat, keyLengthIndex[i]));
    }
    UpdateData(FALSE);
    if (allEmpty)
        PostFocus(keyEdits_[0].m_hWnd);
    return TRUE;
}

void CDlgWepKeys::FillLengthLists()
{
    const UINT* texts = IsHexFormat(keyFormat) ? kHexLengthTexts : kCharacterLengthTexts;
    for (CComboBox& list : lengthLists_) {
        list.ResetContent();
        list.AddString(LoadResString(texts[0]));
        list.AddString(LoadResString(texts[1]));
    }
}

void CDlgWepKeys::SetUpperCase()
{
    for (CEdit& edit : keyEdits_)
        edit.SetUpperCase(IsHexFormat(keyFormat));
}

void CDlgWepKeys::OnHexadecimal()
{
    ChangeFormat(kHexFormat);
}

void CDlgWepKeys::OnAlphanumeric()
{
    ChangeFormat(kCharacterFormat);
}

// Also when the radio was already checked: the lengths start again.
void CDlgWepKeys::ChangeFormat(UINT format)
{
    if (IsHexFormat(format) != IsHexFormat(keyFormat)) {
        for (std::string& text : keyText)
            text.clear();
    }
    keyFormat = format;
    FillLengthLists();
    for (int i = 0; i < 4; ++i) {
        keyLengthIndex[i] = FirstLengthOf(i);
        lengthLists_[i].SetCurSel(keyLengthIndex[i]);
    }
    SetUpperCase();
    if (GetCurrentProfile()) {
        for (int i = 0; i < 4; ++i)
            ApplyLimit(i);
    }
    UpdateData(FALSE);
}

void CDlgWepKeys::ChangeLength(int key)
{
    int selection = lengthLists_[key].GetCurSel();
    if (selection == keyLengthIndex[key])
        return;
    keyLengthIndex[key] = selection;
    ApplyLimit(key);
}

// Emptying the edit notifies as typing does: the key's first change may
// take the focus there.
void CDlgWepKeys::ApplyLimit(int key)
{
    int limit = KeyLimit(keyFormat, keyLengthIndex[key]);
    int length = static_cast<int>(keyEdits_[key].GetWindowText().size());
    if (!KeepsTextUnderLimit(length, limit))
        keyEdits_[key].SetWindowText("");
    keyEdits_[key].LimitText(limit);
}

// A field never mixes mask characters with typed ones: an edit that leaves
// any of the mask empties it.
void CDlgWepKeys::FilterKey(int key)
{
    UpdateData(TRUE);
    std::string& text = keyText[key];
    size_t shown = text.size();
    text.erase(std::remove(text.begin(), text.end(), '*'), text.end());
    bool unmasked = text.size() != shown;
    std::string unfiltered = text;
    text = FilterKeyText(unfiltered, keyFormat, droppedAt_);
    bool dropped = text.size() != unfiltered.size();
    if (unmasked && !text.empty())
        text.clear();
    UpdateData(FALSE);
    if (dropped)
        keyEdits_[key].SetSel(droppedAt_, droppedAt_);
}

void CDlgWepKeys::FirstChange(int key)
{
    if (!firstChange_[key])
        return;
    keyEdits_[key].SetFocus();
    keyEdits_[key].Clear();
    firstChange_[key] = FALSE;
}

void CDlgWepKeys::OnOK()
{
    UpdateData(TRUE);
    if (RefuseKeys())
        return;
    if (!IsHexFormat(keyFormat)) {
        for (std::string& text : keyText) {
            if (!Contains(text, "*"))
                text = ToHexDigits(text);
        }
    }
    for (int i = 0; i < 4; ++i)
        keyLengthIndex[i] = lengthLists_[i].GetCurSel();
    defaultKey = static_cast<UINT>(defaultKeyList_.GetCurSel() + 1);
    UpdateData(FALSE);
    CDialog::OnOK();
}

bool CDlgWepKeys::RefuseKeys()
{
    auto wrongLength = [this](int key) {
        int required = RequiredKeyLength(keyFormat, keyLengthIndex[key]);
        return !keyText[key].empty() && required != 0 && static_cast<int>(keyText[key].size()) != required;
    };
    UINT refusal = 0;
    CWnd* atFault = &keyEdits_[0];
    int defaultItem = defaultKeyList_.GetCurSel();
    if (wrongLength(0)) {
        refusal = IDS_WEP_KEY_LENGTH_MISMATCH;
    } else if (keyText[0] == kReservedKey) {
        refusal = IDS_RESERVED_KEY;
    } else if (wrongLength(1) || wrongLength(2) || wrongLength(3)) {
        refusal = IDS_WEP_KEY_LENGTH_MISMATCH;
        atFault = &keyEdits_[wrongLength(1) ? 1 : wrongLength(2) ? 2 : 3];
    } else if (std::all_of(std::begin(keyText), std::end(keyText), [](const std::string& k) { return k.empty(); })) {
        refusal = IDS_NO_KEY_SPECIFIED;
    } else if (defaultItem >= 0 && defaultItem < 4 && keyText[defaultItem].empty()) {
        refusal = IDS_DEFAULT_KEY_EMPTY;
        atFault = &defaultKeyList_;
    }
    if (!refusal)
        return false;
    CWndLifeline lifeline(*this);
    MessageBox(LoadResString(refusal), LoadResString(IDS_APP_TITLE), MB_OK);
    if (lifeline.Holds())
        atFault->SetFocus();
    return true;
}
