#include "dlg_ttls_user.h"

#include "res/resource.h"

namespace {

const int kLongestName = 32;

}  // namespace

CDlgTtlsUser::CDlgTtlsUser() : CDialog(IDD_TTLS_USER) {}

void CDlgTtlsUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_TTLS_DOMAIN, domainName);
    DDV_MaxChars(dx, domainName, kLongestName);
    DDX_Text(dx, IDC_TTLS_LOGIN, loginName);
    DDV_MaxChars(dx, loginName, kLongestName);
}
