#include "dlg_leap_user.h"

#include "res/resource.h"
#include "user_refusal.h"

namespace {

const int kLongestUserName = 32;
const int kLongestPassword = 10;

}  // namespace

CDlgLeapUser::CDlgLeapUser() : CDialog(IDD_LEAP_USER) {}

void CDlgLeapUser::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_LEAP_USER_NAME, userName);
    DDV_MaxChars(dx, userName, kLongestUserName);
    DDX_Text(dx, IDC_LEAP_PASSWORD, password);
    DDV_MaxChars(dx, password, kLongestPassword);
    DDX_Text(dx, IDC_LEAP_CONFIRM, confirmation_);
    DDV_MaxChars(dx, confirmation_, kLongestPassword);
}

BOOL CDlgLeapUser::OnInitDialog()
{
    // An unchanged password confirms itself.
    confirmation_ = password;
    return CDialog::OnInitDialog();
}

void CDlgLeapUser::OnOK()
{
    const UserPasswordFields fields = {IDC_LEAP_USER_NAME, IDC_LEAP_PASSWORD, IDC_LEAP_CONFIRM, IDC_LEAP_CONFIRM};
    if (AcceptUserPassword(*this, fields, userName, password))
        EndDialog(IDOK);
}
