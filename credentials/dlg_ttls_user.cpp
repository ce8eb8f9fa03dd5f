#include "dlg_ttls_user.h"

#include "cert_authority_choice.h"
#include "dlg_leap_user.h"
#include "res/resource.h"
#include "user_refusal.h"

namespace {

const int kLongestName = 32;

}  // namespace

CDlgTtlsUser::CDlgTtlsUser() : CDialog(IDD_TTLS_USER) {}

const MessageMapBase* CDlgTtlsUser::GetMessageMap() const
{
    static const MessageMap<CDlgTtlsUser> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_TTLS_ANY_AUTHORITY, BN_CLICKED, &CDlgTtlsUser::OnAnyAuthority),
        OnCommand(IDC_TTLS_CHOOSE_AUTHORITY, BN_CLICKED, &CDlgTtlsUser::OnChooseAuthority),
        OnCommand(IDC_TTLS_AUTHORITY, CBN_SELCHANGE, &CDlgTtlsUser::OnAuthorityChange),
        OnCommand(IDC_TTLS_USER_INFO, BN_CLICKED, &CDlgTtlsUser::OnDefineUser),
    });
    return &map;
}

void CDlgTtlsUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TTLS_AUTHORITY, authorityList_);
    DDX_Control(dx, IDC_TTLS_CHOOSE_AUTHORITY, chooseRadio_);
    DDX_Control(dx, IDC_TTLS_ANY_AUTHORITY, anyRadio_);
    DDX_Text(dx, IDC_TTLS_DOMAIN, domainName);
    DDV_MaxChars(dx, domainName, kLongestName);
    DDX_Text(dx, IDC_TTLS_LOGIN, loginName);
    DDV_MaxChars(dx, loginName, kLongestName);
}

BOOL CDlgTtlsUser::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!ShowAuthorities(authorities_, authorityList_, anyRadio_, chooseRadio_, authority))
        CloseForMissingCertificates(*this);
    return TRUE;
}

void CDlgTtlsUser::OnAnyAuthority()
{
    authorityList_.EnableWindow(anyRadio_.GetCheck() != BST_CHECKED);
}

void CDlgTtlsUser::OnChooseAuthority()
{
    authorityList_.EnableWindow(chooseRadio_.GetCheck() == BST_CHECKED);
}

void CDlgTtlsUser::OnAuthorityChange()
{
    int selected = authorityList_.GetCurSel();
    if (selected >= 0)
        authority = authorities_.IdentifierAt(selected);
}

void CDlgTtlsUser::OnDefineUser()
{
    CDlgLeapUser dialog;
    dialog.userName = userName;
    dialog.password = password;
    CWndLifeline lifeline(*this);
    if (dialog.DoModal() != IDOK || !lifeline.Holds())
        return;
    userName = dialog.userName;
    password = dialog.password;
}

void CDlgTtlsUser::OnOK()
{
    // A chosen authority is taken as a selection change takes it: without a
    // selection the one handed in stays.
    if (chooseRadio_.GetCheck() != BST_CHECKED)
        authority.clear();
    else
        OnAuthorityChange();
    if (!UpdateData(TRUE))
        return;
    // The login name first: the TLS dialog asks for the domain first.
    if (loginName.empty()) {
        RefuseInput(*this, IDS_LOGIN_NAME_EMPTY, IDC_TTLS_LOGIN);
        return;
    }
    if (domainName.empty()) {
        RefuseInput(*this, IDS_DOMAIN_NAME_EMPTY, IDC_TTLS_DOMAIN);
        return;
    }
    if (userName.empty() || password.empty()) {
        RefuseInput(*this, IDS_USER_PASSWORD_MISSING, IDC_TTLS_USER_INFO);
        return;
    }
    loginName = Trim(loginName);
    domainName = Trim(domainName);
    authorities_.displayNames.clear();
    EndDialog(IDOK);
}
