// The TTLS user information dialog: the certifying authority, the domain
// name, the login name and the user with a password.
#pragma once

#include <string>

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
};
