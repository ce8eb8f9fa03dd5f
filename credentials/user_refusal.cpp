#include "user_refusal.h"

#include "framework/framework.h"
#include "res/resource.h"

namespace {

// False after showing the message, when the dialog did not come through it.
bool Tell(CDialog& dialog, UINT messageId)
{
    CWndLifeline lifeline(dialog);
    dialog.MessageBox(LoadResString(messageId), LoadResString(IDS_APP_TITLE), MB_OK);
    // The box's loop runs the Status page's timer, which can end the sheet.
    return lifeline.Holds();
}

}  // namespace

void RefuseInput(CDialog& dialog, UINT messageId, int focusId)
{
    if (Tell(dialog, messageId))
        ::SetFocus(dialog.GetDlgItem(focusId));
}

void CloseForMissingCertificates(CDialog& dialog)
{
    if (Tell(dialog, IDS_NO_CERTIFICATES))
        dialog.EndDialog(IDCANCEL);
}

bool AcceptUserPassword(CDialog& dialog, const UserPasswordFields& fields, std::string& userName,
                        std::string& password)
{
    std::string typedName = dialog.GetDlgItemText(fields.userName);
    std::string typedPassword = dialog.GetDlgItemText(fields.password);
    std::string confirmation = dialog.GetDlgItemText(fields.confirmation);
    struct Check {
        bool fails;
        UINT message;
        int focus;
    };
    const Check checks[] = {
        {typedName.empty(), IDS_USER_NAME_EMPTY, fields.userName},
        {typedPassword.empty(), IDS_PASSWORD_EMPTY, fields.password},
        {confirmation.empty(), IDS_PASSWORD_EMPTY, fields.confirmation},
        {typedPassword != confirmation, IDS_PASSWORD_MISMATCH, fields.focusOnMismatch},
    };
    for (const Check& check : checks) {
        if (check.fails) {
            RefuseInput(dialog, check.message, check.focus);
            return false;
        }
    }
    userName = typedName;
    password = typedPassword;
    return true;
}
