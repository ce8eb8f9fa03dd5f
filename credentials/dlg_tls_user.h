// The TLS user information dialog: the client certificate, the certifying
// authority, the domain name and the login name.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgTlsUser : public CDialog {
public:
    CDlgTlsUser();

    // Set before DoModal, taken back after IDOK. Certificates by their
    // identifiers; an empty authority means any.
    std::string certificate;
    std::string authority;
    std::string domainName;
    std::string loginName;

    void DoDataExchange(CDataExchange* dx) override;
};
