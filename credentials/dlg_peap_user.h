// The PEAP dialog: the server's certifying authority and the MS-CHAPv2 user
// name and password, the password typed twice.
#pragma once

#include <string>

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

private:
    std::string confirmation_;
};
