#include "dlg_advanced_config.h"

#include "res/resource.h"
#include "user_refusal.h"

namespace {

const int kLongestName = 32;

}  // namespace

CDlgAdvancedConfig::CDlgAdvancedConfig() : CDialog(IDD_ADVANCED_CONFIG) {}

const MessageMapBase* CDlgAdvancedConfig::GetMessageMap() const
{
    static const MessageMap<CDlgAdvancedConfig> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_ADVANCED_LOGIN_CHECK, BN_CLICKED, &CDlgAdvancedConfig::OnLoginCheck),
        OnCommand(IDC_ADVANCED_DOMAIN_CHECK, BN_CLICKED, &CDlgAdvancedConfig::OnDomainCheck),
    });
    return &map;
}

void CDlgAdvancedConfig::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_ADVANCED_DOMAIN, domainEdit_);
    DDX_Control(dx, IDC_ADVANCED_DOMAIN_CHECK, domainCheck_);
    DDX_Control(dx, IDC_ADVANCED_LOGIN, loginEdit_);
    DDX_Control(dx, IDC_ADVANCED_LOGIN_CHECK, loginCheck_);
    DDX_Text(dx, IDC_ADVANCED_LOGIN, loginName);
    DDV_MaxChars(dx, loginName, kLongestName);
    DDX_Text(dx, IDC_ADVANCED_DOMAIN, domainName);
    DDV_MaxChars(dx, domainName, kLongestName);
}

BOOL CDlgAdvancedConfig::OnInitDialog()
{
    CDialog::OnInitDialog();
    loginCheck_.SetCheck(loginName.empty() ? BST_UNCHECKED : BST_CHECKED);
    domainCheck_.SetCheck(domainName.empty() ? BST_UNCHECKED : BST_CHECKED);
    // The domain last, so that its edit keeps the focus when both are set.
    OnLoginCheck();
    OnDomainCheck();
    // TRUE would hand the focus to the first control, away from the edit
    // that a checked box gave it.
    return loginName.empty() && domainName.empty();
}

void CDlgAdvancedConfig::OnLoginCheck()
{
    FollowCheck(loginCheck_, loginEdit_, loginName);
}

void CDlgAdvancedConfig::OnDomainCheck()
{
    FollowCheck(domainCheck_, domainEdit_, domainName);
}

void CDlgAdvancedConfig::FollowCheck(const CButton& box, CEdit& edit, std::string& value)
{
    if (box.GetCheck() != BST_CHECKED) {
        value.clear();
        edit.SetWindowText("");
        edit.EnableWindow(FALSE);
        return;
    }
    edit.EnableWindow(TRUE);
    edit.SetFocus();
}

void CDlgAdvancedConfig::OnOK()
{
    if (loginCheck_.GetCheck() == BST_CHECKED) {
        loginName = loginEdit_.GetWindowText();
        if (loginName.empty()) {
            RefuseInput(*this, IDS_LOGIN_NAME_EMPTY, IDC_ADVANCED_LOGIN);
            return;
        }
    }
    if (domainCheck_.GetCheck() == BST_CHECKED) {
        domainName = domainEdit_.GetWindowText();
        if (domainName.empty()) {
            RefuseInput(*this, IDS_DOMAIN_NAME_EMPTY, IDC_ADVANCED_DOMAIN);
            return;
        }
    }
    loginName = Trim(loginName);
    domainName = Trim(domainName);
    EndDialog(IDOK);
}
