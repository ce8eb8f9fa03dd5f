#include "dlg_wep_keys.h"

#include "res/resource.h"

namespace {

const int kKeyEdits[] = {IDC_WEP_KEY1, IDC_WEP_KEY2, IDC_WEP_KEY3, IDC_WEP_KEY4};
const int kLengthLists[] = {IDC_WEP_KEY1_LENGTH, IDC_WEP_KEY2_LENGTH, IDC_WEP_KEY3_LENGTH, IDC_WEP_KEY4_LENGTH};
const UINT kDefaultKeyTexts[] = {IDS_WEP_KEY1, IDS_WEP_KEY2, IDS_WEP_KEY3, IDS_WEP_KEY4};
const UINT kHexLengthTexts[] = {IDS_WEP_LEN_HEX_64, IDS_WEP_LEN_HEX_128};
const UINT kCharacterLengthTexts[] = {IDS_WEP_LEN_CHAR_64, IDS_WEP_LEN_CHAR_128};
const UINT kHexFormat = 0;
const UINT kCharacterFormat = 1;

}  // namespace

CDlgWepKeys::CDlgWepKeys() : CDialog(IDD_WEP_KEYS) {}

void CDlgWepKeys::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_WEP_HEX, hexRadio_);
    DDX_Control(dx, IDC_WEP_ALPHANUMERIC, alphanumericRadio_);
    DDX_Control(dx, IDC_WEP_DEFAULT_KEY, defaultKeyList_);
    for (int i = 0; i < 4; ++i) {
        DDX_Control(dx, kLengthLists[i], lengthLists_[i]);
        DDX_Text(dx, kKeyEdits[i], keyText[i]);
    }
}

BOOL CDlgWepKeys::OnInitDialog()
{
    CDialog::OnInitDialog();
    hexRadio_.SetCheck(keyFormat == kHexFormat ? BST_CHECKED : BST_UNCHECKED);
    alphanumericRadio_.SetCheck(keyFormat == kHexFormat ? BST_UNCHECKED : BST_CHECKED);
    const UINT* lengthTexts = keyFormat == kHexFormat ? kHexLengthTexts : kCharacterLengthTexts;
    for (int i = 0; i < 4; ++i) {
        lengthLists_[i].ResetContent();
        lengthLists_[i].AddString(LoadResString(lengthTexts[0]));
        lengthLists_[i].AddString(LoadResString(lengthTexts[1]));
        lengthLists_[i].SetCurSel(keyLengthIndex[i]);
    }
    for (UINT text : kDefaultKeyTexts)
        defaultKeyList_.AddString(LoadResString(text));
    defaultKeyList_.SetCurSel(defaultKey >= 2 && defaultKey <= 4 ? static_cast<int>(defaultKey) - 1 : 0);
    return TRUE;
}

void CDlgWepKeys::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    keyFormat = alphanumericRadio_.GetCheck() == BST_CHECKED ? kCharacterFormat : kHexFormat;
    for (int i = 0; i < 4; ++i)
        keyLengthIndex[i] = lengthLists_[i].GetCurSel();
    defaultKey = static_cast<UINT>(defaultKeyList_.GetCurSel() + 1);
    EndDialog(IDOK);
}
