#include "dlg_peap_user.h"

#include "dlg_advanced_config.h"
#include "res/resource.h"
#include "user_refusal.h"

namespace {

const int kLongestUserName = 32;
const int kLongestPassword = 10;
const int kAnyAuthorityItem = 0;

}  // namespace

CDlgPeapUser::CDlgPeapUser() : CDialog(IDD_PEAP_USER) {}

const MessageMapBase* CDlgPeapUser::GetMessageMap() const
{
    static const MessageMap<CDlgPeapUser> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_PEAP_ADVANCED, BN_CLICKED, &CDlgPeapUser::OnAdvanced),
        OnCommand(IDC_PEAP_AUTHORITY, CBN_SELCHANGE, &CDlgPeapUser::OnAuthorityChange),
    });
    return &map;
}

void CDlgPeapUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PEAP_AUTHORITY, authorityList_);
    DDX_Text(dx, IDC_PEAP_PASSWORD, password);
    DDV_MaxChars(dx, password, kLongestPassword);
    DDX_Text(dx, IDC_PEAP_CONFIRM, confirmation_);
    DDV_MaxChars(dx, confirmation_, kLongestPassword);
    DDX_Text(dx, IDC_PEAP_USER_NAME, userName);
    DDV_MaxChars(dx, userName, kLongestUserName);
}

BOOL CDlgPeapUser::OnInitDialog()
{
    // An unchanged password confirms itself.
    confirmation_ = password;
    CDialog::OnInitDialog();
    ShowAuthorities();
    return TRUE;
}

void CDlgPeapUser::ShowAuthorities()
{
    authorityList_.AddString(LoadResString(IDS_ANY_AUTHORITY));
    // An empty or missing store leaves "<Any>" alone, without a message.
    authorities_.Enumerate("ROOT");
    authorities_.AddTo(authorityList_);
    int match = authorities_.LastIndexOf(authority);
    authorityList_.SetCurSel(match < 0 ? kAnyAuthorityItem : match + 1);
}

void CDlgPeapUser::OnAuthorityChange()
{
    int selected = authorityList_.GetCurSel();
    if (selected == kAnyAuthorityItem)
        authority.clear();
    else if (selected > kAnyAuthorityItem)
        authority = authorities_.IdentifierAt(selected - 1);
}

void CDlgPeapUser::OnAdvanced()
{
    CDlgAdvancedConfig dialog;
    dialog.loginName = loginName;
    dialog.domainName = domainName;
    CWndLifeline lifeline(*this);
    if (dialog.DoModal() != IDOK || !lifeline.Holds())
        return;
    loginName = dialog.loginName;
    domainName = dialog.domainName;
}

void CDlgPeapUser::OnOK()
{
    OnAuthorityChange();
    // Unlike the LEAP dialog, a mismatch is the password's fault.
    const UserPasswordFields fields = {IDC_PEAP_USER_NAME, IDC_PEAP_PASSWORD, IDC_PEAP_CONFIRM, IDC_PEAP_PASSWORD};
    if (!AcceptUserPassword(*this, fields, userName, password))
        return;
    loginName = Trim(loginName);
    domainName = Trim(domainName);
    authorities_.displayNames.clear();
    EndDialog(IDOK);
}
