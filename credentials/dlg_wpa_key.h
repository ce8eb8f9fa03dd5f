// The WPA pre-shared key dialog: a pass phrase or 64 hexadecimal digits.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgWpaKey : public CDialog {
public:
    CDlgWpaKey();

    // Set before DoModal: the stored key and its length, which the dialog
    // shows as that many asterisks. After IDOK: the key as typed, or the
    // asterisks when the key is unchanged, and whether it is 64
    // hexadecimal digits.
    std::string keyText;
    int storedKeyLength = 0;
    BOOL hexKey = FALSE;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnKeyUpdate();
    void OnKeyChange() { untouched_ = FALSE; }
    void Refuse(UINT message);

    CEdit keyEdit_;
    BOOL untouched_ = TRUE;
    BOOL maskArmed_ = TRUE;
};
