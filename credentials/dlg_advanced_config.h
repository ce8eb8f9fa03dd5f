// The advanced PEAP settings: an optional specific server or domain and an
// optional login name, each behind a check box.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgAdvancedConfig : public CDialog {
public:
    CDlgAdvancedConfig();

    // Set before DoModal, taken back after IDOK; empty while unchecked.
    std::string domainName;
    std::string loginName;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnLoginCheck();
    void OnDomainCheck();
    // Unchecked: the value and its edit are emptied and the edit disabled.
    // Checked: the edit is enabled and takes the focus.
    void FollowCheck(const CButton& box, CEdit& edit, std::string& value);

    CEdit domainEdit_;
    CButton domainCheck_;
    CEdit loginEdit_;
    CButton loginCheck_;
};
