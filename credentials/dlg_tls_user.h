// The TLS user information dialog: the client certificate from the user's
// store, the certifying authority, and the domain and login names, which
// the dialog proposes from the chosen certificate.
#pragma once

#include <string>

#include "cert_list.h"
#include "framework/framework.h"

class CDlgTlsUser : public CDialog {
public:
    CDlgTlsUser();

    // Set before DoModal, taken back after IDOK. Certificates by their
    // identifiers; an empty authority means any. After IDCANCEL the
    // certificate is the one the dialog selected last (the one handed in
    // when the store had none).
    std::string certificate;
    std::string authority;
    std::string domainName;
    std::string loginName;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnCertificateChange();
    void OnAuthorityChange();
    void OnAnyAuthority();
    void OnChooseAuthority();

    // False when the user's store has no certificates.
    bool ShowCertificates();
    // Domain and login names from the certificate, where it has them.
    void ProposeNames();

    CComboBox authorityList_;
    CEdit domainEdit_;
    CEdit loginEdit_;
    CComboBox certificateList_;
    CButton chooseRadio_;
    CButton anyRadio_;
    CertificateList certificates_;
    CertificateList authorities_;
};
