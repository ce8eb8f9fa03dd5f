#include "dlg_peap_user.h"

#include "res/resource.h"

namespace {

const int kLongestUserName = 32;
const int kLongestPassword = 10;

}  // namespace

CDlgPeapUser::CDlgPeapUser() : CDialog(IDD_PEAP_USER) {}

void CDlgPeapUser::DoDataExchange(CDataExchange* dx)
{
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
    return CDialog::OnInitDialog();
}
