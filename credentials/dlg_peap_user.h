// The PEAP dialog: the certifying authority the server's certificate must
// come from, or any, and the MS-CHAPv2 user name and password, the password
// typed twice. Its advanced dialog names a server or domain and a login.
#pragma once

#include <string>

#include "cert_list.h"
#include "framework/framework.h"

class CDlgPeapUser : public CDialog {
public:
    CDlgPeapUser();

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
    void OnAdvanced();
    // "<Any>" (item 0) means any authority; no selection changes nothing.
    void OnAuthorityChange();
    void ShowAuthorities();

    CComboBox authorityList_;
    std::string confirmation_;
    CertificateList authorities_;
};
