#include "dlg_wpa_key.h"

#include "res/resource.h"

namespace {

const int kLongestKey = 64;

bool IsHexKey(const std::string& text)
{
    if (text.size() != static_cast<size_t>(kLongestKey))
        return false;
    // Explicit ranges: the C runtime's classification accepts bytes above
    // 0x7F in some locales.
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

}  // namespace

CDlgWpaKey::CDlgWpaKey() : CDialog(IDD_WPA_KEY) {}

void CDlgWpaKey::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_WPA_KEY, keyText);
    DDV_MaxChars(dx, keyText, kLongestKey);
}

void CDlgWpaKey::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    hexKey = IsHexKey(keyText);
    EndDialog(IDOK);
}
