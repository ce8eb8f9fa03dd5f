#include "dlg_tls_user.h"

#include "cert_authority_choice.h"
#include "driver/80211api.h"
#include "res/resource.h"
#include "user_refusal.h"

CDlgTlsUser::CDlgTlsUser() : CDialog(IDD_TLS_USER) {}

const MessageMapBase* CDlgTlsUser::GetMessageMap() const
{
    static const MessageMap<CDlgTlsUser> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_TLS_CERTIFICATE, CBN_SELCHANGE, &CDlgTlsUser::OnCertificateChange),
        OnCommand(IDC_TLS_AUTHORITY, CBN_SELCHANGE, &CDlgTlsUser::OnAuthorityChange),
        OnCommand(IDC_TLS_ANY_AUTHORITY, BN_CLICKED, &CDlgTlsUser::OnAnyAuthority),
        OnCommand(IDC_TLS_CHOOSE_AUTHORITY, BN_CLICKED, &CDlgTlsUser::OnChooseAuthority),
    });
    return &map;
}

void CDlgTlsUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TLS_AUTHORITY, authorityList_);
    DDX_Control(dx, IDC_TLS_DOMAIN, domainEdit_);
    DDX_Control(dx, IDC_TLS_LOGIN, loginEdit_);
    DDX_Control(dx, IDC_TLS_CERTIFICATE, certificateList_);
    DDX_Control(dx, IDC_TLS_CHOOSE_AUTHORITY, chooseRadio_);
    DDX_Control(dx, IDC_TLS_ANY_AUTHORITY, anyRadio_);
}

BOOL CDlgTlsUser::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWndLifeline lifeline(*this);
    // The dialog still fills itself: it closes only once this returns.
    if (!ShowCertificates())
        CloseForMissingCertificates(*this);
    if (!lifeline.Holds())
        return FALSE;
    // Without roots no radio is checked and the empty list stays enabled.
    ShowAuthorities(authorities_, authorityList_, anyRadio_, chooseRadio_, authority);
    domainEdit_.SetWindowText(domainName);
    loginEdit_.SetWindowText(loginName);
    if (loginName.empty() && domainName.empty())
        ProposeNames();
    return TRUE;
}

bool CDlgTlsUser::ShowCertificates()
{
    if (certificates_.Enumerate("MY") <= 0)
        return false;
    certificates_.AddTo(certificateList_);
    int match = certificates_.LastIndexOf(certificate);
    int selected = match < 0 ? 0 : match;
    certificateList_.SetCurSel(selected);
    certificate = certificates_.IdentifierAt(selected);
    return true;
}

void CDlgTlsUser::ProposeNames()
{
    CCertificate held;
    if (!held.setCertificate(certificate, 0))
        return;
    std::string name;
    if (held.getDomain(name)) {
        domainName = name;
        domainEdit_.SetWindowText(name);
    }
    if (held.getUser(name)) {
        loginName = name;
        loginEdit_.SetWindowText(name);
    }
}

void CDlgTlsUser::OnCertificateChange()
{
    int selected = certificateList_.GetCurSel();
    if (selected < 0)
        return;
    certificate = certificates_.IdentifierAt(selected);
    ProposeNames();
}

// Choosing an authority proposes the names again from the certificate's
// displayed name instead of its identifier; the library takes it only where
// the two are the same (a certificate without a name). Kept as this dialog
// has always worked rather than made a no-op, so that what a Cancel hands
// to a page without a certificate stays what users got before; OK takes the
// identifier again.
void CDlgTlsUser::OnAuthorityChange()
{
    int selected = certificateList_.GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(certificates_.displayNames.size()))
        return;
    certificate = certificates_.displayNames[selected];
    ProposeNames();
}

void CDlgTlsUser::OnAnyAuthority()
{
    authorityList_.EnableWindow(anyRadio_.GetCheck() != BST_CHECKED);
}

void CDlgTlsUser::OnChooseAuthority()
{
    authorityList_.EnableWindow(chooseRadio_.GetCheck() == BST_CHECKED);
}

void CDlgTlsUser::OnOK()
{
    int selected = certificateList_.GetCurSel();
    if (selected >= 0)
        certificate = certificates_.IdentifierAt(selected);
    bool chosen = chooseRadio_.GetCheck() == BST_CHECKED;
    authority = chosen ? authorities_.IdentifierAt(authorityList_.GetCurSel()) : std::string();
    loginName = loginEdit_.GetWindowText();
    domainName = domainEdit_.GetWindowText();
    if (domainName.empty()) {
        RefuseInput(*this, IDS_DOMAIN_NAME_EMPTY, IDC_TLS_DOMAIN);
        return;
    }
    if (loginName.empty()) {
        RefuseInput(*this, IDS_LOGIN_NAME_EMPTY, IDC_TLS_LOGIN);
        return;
    }
    // Blank names pass the checks above and come back empty.
    loginName = Trim(loginName);
    domainName = Trim(domainName);
    certificates_ = CertificateList();
    authorities_ = CertificateList();
    EndDialog(IDOK);
}
