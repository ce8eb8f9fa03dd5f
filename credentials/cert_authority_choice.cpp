#include "cert_authority_choice.h"

#include "framework/controls.h"

bool ShowAuthorities(CertificateList& authorities, CComboBox& list, CButton& anyRadio, CButton& chooseRadio,
                     const std::string& authority)
{
    if (authorities.Enumerate("ROOT") <= 0)
        return false;
    authorities.AddTo(list);
    int match = authorities.LastIndexOf(authority);
    list.SetCurSel(match < 0 ? 0 : match);
    bool chosen = !authority.empty();
    chooseRadio.SetCheck(chosen ? BST_CHECKED : BST_UNCHECKED);
    anyRadio.SetCheck(chosen ? BST_UNCHECKED : BST_CHECKED);
    list.EnableWindow(chosen);
    return true;
}
