#include "dlg_tls_user.h"

#include "res/resource.h"

CDlgTlsUser::CDlgTlsUser() : CDialog(IDD_TLS_USER) {}

void CDlgTlsUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_TLS_DOMAIN, domainName);
    DDX_Text(dx, IDC_TLS_LOGIN, loginName);
}
