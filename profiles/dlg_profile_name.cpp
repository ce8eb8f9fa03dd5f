#include "dlg_profile_name.h"

#include "res/resource.h"

namespace {

const int kMaxNameLength = 32;

// Names of the driver's own registry keys beside the profiles.
const char* const kReservedNames[] = {"CustomParams", "Tcpip", "Linkage", "Ndi"};

// A pasted name can hold what no typed one can.
bool HasControlCharacter(const std::string& name)
{
    for (char c : name) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

bool IsNameNotAllowed(const std::string& name)
{
    if (Contains(name, LoadResString(IDS_DEFAULT_PROFILE)) || Contains(name, "default") || Contains(name, "_"))
        return true;
    // The card takes no backslash, control character, "." or ".." as a
    // name: refused here, where the user can still choose another, rather
    // than silently by the card.
    if (Contains(name, "\\") || HasControlCharacter(name) || name == "." || name == "..")
        return true;
    for (const char* reserved : kReservedNames) {
        if (EqualsIgnoringCase(name, reserved))
            return true;
    }
    return false;
}

}  // namespace

CDlgProfileName::CDlgProfileName() : CDialog(IDD_PROFILE_NAME) {}

const MessageMapBase* CDlgProfileName::GetMessageMap() const
{
    static const MessageMap<CDlgProfileName> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_PROFILE_NAME_EDIT, EN_UPDATE, &CDlgProfileName::OnNameUpdate),
    });
    return &map;
}

void CDlgProfileName::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PROFILE_NAME_EDIT, nameEdit_);
    DDX_Text(dx, IDC_PROFILE_NAME_PROMPT, prompt_);
    DDX_Text(dx, IDC_PROFILE_NAME_LABEL, label_);
    DDX_Text(dx, IDC_PROFILE_NAME_EDIT, name_);
    DDV_MaxChars(dx, name_, kMaxNameLength);
}

BOOL CDlgProfileName::OnInitDialog()
{
    CDialog::OnInitDialog();
    nameEdit_.SetFocus();
    nameEdit_.SetSel(0, -1);
    nameEdit_.LimitText(kMaxNameLength);
    return FALSE;
}

void CDlgProfileName::OnNameUpdate()
{
    nameEdit_.LimitText(kMaxNameLength);
}

void CDlgProfileName::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    name_ = Trim(name_);
    UpdateData(FALSE);
    if (!RefuseName())
        EndDialog(IDOK);
}

bool CDlgProfileName::RefuseName()
{
    UINT refusal = 0;
    if (name_.empty())
        refusal = IDS_NAME_BLANK;
    else if (IsNameNotAllowed(name_))
        refusal = IDS_NAME_NOT_ALLOWED;
    else if (IsNameInUse())
        refusal = IDS_NAME_IN_USE;
    if (!refusal)
        return false;

    MessageBox(LoadResString(refusal), LoadResString(IDS_APP_TITLE), MB_OK);
    nameEdit_.SetFocus();
    if (refusal == IDS_NAME_IN_USE)
        nameEdit_.SetSel(0, -1);
    return true;
}

bool CDlgProfileName::IsNameInUse() const
{
    if (!namesInUse_)
        return false;
    for (const std::string& used : *namesInUse_) {
        if (EqualsIgnoringCase(name_, used))
            return true;
    }
    return false;
}
