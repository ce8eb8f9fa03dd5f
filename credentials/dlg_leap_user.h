// The LEAP user information dialog: a user name and a password typed twice.
// The TTLS dialog uses it too.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgLeapUser : public CDialog {
public:
    CDlgLeapUser();

    // Set before DoModal, taken back after IDOK.
    std::string userName;
    std::string password;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::string confirmation_;
};
