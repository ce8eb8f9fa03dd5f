// The TTLS user information dialog: the certifying authority, the domain
// and login names, and the user with a password, defined through the LEAP
// user information dialog.
#pragma once

#include <string>

#include "cert_list.h"
#include "framework/framework.h"

class CDlgTtlsUser : public CDialog {
public:
    CDlgTtlsUser();

    // Set before DoModal, taken back after IDOK; an empty authority means any.
    std::string authority;
    std::string domainName;
    std::string loginName;
    std::string userName;
    std::string password;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnAnyAuthority();
    void OnChooseAuthority();
    void OnAuthorityChange();
    void OnDefineUser();

    CComboBox authorityList_;
    CButton chooseRadio_;
    CButton anyRadio_;
    CertificateList authorities_;
};
