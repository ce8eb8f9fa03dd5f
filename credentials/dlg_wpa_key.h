// The WPA pre-shared key dialog: a pass phrase or 64 hexadecimal digits.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgWpaKey : public CDialog {
public:
    CDlgWpaKey();

    // Set before DoModal: the stored key and its length. After IDOK: the
    // key as typed and whether it is 64 hexadecimal digits.
    std::string keyText;
    int storedKeyLength = 0;
    BOOL hexKey = FALSE;

    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
};
