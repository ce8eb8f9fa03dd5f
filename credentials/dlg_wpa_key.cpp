#include "dlg_wpa_key.h"

#include <algorithm>

#include "res/resource.h"
#include "wep_key_text.h"

namespace {

const int kLongestKey = 64;
const size_t kShortestPassphrase = 8;
const size_t kHexKeyLength = 64;

bool IsHexKey(const std::string& text)
{
    return text.size() == kHexKeyLength && std::all_of(text.begin(), text.end(), IsHexDigit);
}

}  // namespace

CDlgWpaKey::CDlgWpaKey() : CDialog(IDD_WPA_KEY) {}

const MessageMapBase* CDlgWpaKey::GetMessageMap() const
{
    static const MessageMap<CDlgWpaKey> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_WPA_KEY, EN_UPDATE, &CDlgWpaKey::OnKeyUpdate),
        OnCommand(IDC_WPA_KEY, EN_CHANGE, &CDlgWpaKey::OnKeyChange),
    });
    return &map;
}

void CDlgWpaKey::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_WPA_KEY, keyEdit_);
    // A text the edit already shows is not set again, so that the caret
    // stays where the user types.
    DDX_DisplayText(dx, IDC_WPA_KEY, keyText);
    DDV_MaxChars(dx, keyText, kLongestKey);
}

// The stored key is shown as asterisks. Setting them notifies as typing
// does, which uses up the untouched state: the user's first edit then meets
// the armed mask.
BOOL CDlgWpaKey::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (keyText.empty()) {
        PostFocus(keyEdit_.m_hWnd);
        return TRUE;
    }
    keyText = std::string(static_cast<size_t>(std::max(storedKeyLength, 0)), '*');
    keyEdit_.SetWindowText(keyText);
    return TRUE;
}

// White space at either end goes as it is typed, and the caret stays by the
// text it was in: set anew, the edit would put it before the first
// character. The first edit of a masked key that leaves an asterisk empties
// the field.
void CDlgWpaKey::OnKeyUpdate()
{
    UpdateData(TRUE);
    std::string typed = keyText;
    int caret = LOWORD(keyEdit_.SendMessage(EM_GETSEL));
    keyText = Trim(keyText);
    caret -= static_cast<int>(keyText.empty() ? 0 : typed.find(keyText));
    if (!untouched_ && maskArmed_) {
        keyEdit_.Clear();
        keyEdit_.SetFocus();
        size_t shown = keyText.size();
        keyText.erase(std::remove(keyText.begin(), keyText.end(), '*'), keyText.end());
        if (keyText.size() != shown)
            keyText.clear();
        maskArmed_ = FALSE;
    }
    UpdateData(FALSE);
    if (keyText != typed) {
        caret = std::clamp(caret, 0, static_cast<int>(keyText.size()));
        keyEdit_.SetSel(caret, caret);
    }
}

void CDlgWpaKey::OnOK()
{
    std::string shown = keyEdit_.GetWindowText();
    if (shown.empty())
        return Refuse(IDS_PASSWORD_EMPTY);
    if (shown.size() < kShortestPassphrase)
        return Refuse(IDS_PASSPHRASE_LENGTH);
    if (shown.size() == kHexKeyLength) {
        // An untouched mask of a 64-digit key stands for the stored key.
        if (IsHexKey(shown))
            hexKey = TRUE;
        else if (!Contains(shown, "*"))
            return Refuse(IDS_PASSPHRASE_LENGTH);
    } else {
        hexKey = FALSE;
    }
    CDialog::OnOK();
}

void CDlgWpaKey::Refuse(UINT message)
{
    CWndLifeline lifeline(*this);
    MessageBox(LoadResString(message), LoadResString(IDS_APP_TITLE), MB_OK);
    if (lifeline.Holds())
        keyEdit_.SetFocus();
}
