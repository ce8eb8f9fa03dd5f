// The WEP keys dialog: up to four static keys, each key's length, how the
// keys are typed and which key the card sends with.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgWepKeys : public CDialog {
public:
    CDlgWepKeys();

    // Set before DoModal, taken back after IDOK. Keys are hexadecimal digits
    // or empty. Format: 0 hexadecimal entry, other values characters. Length
    // index: 0 64-bit, 1 128-bit, 2 152-bit, 3 not set; after IDOK the
    // list's selection, -1 for none. Default key: 1 to 4.
    UINT keyFormat = 0;
    std::string keyText[4];
    int keyLengthIndex[4] = {0, 0, 0, 0};
    UINT defaultKey = 0;
    // Raised by the caller after it refused the keys.
    BOOL showPlain = FALSE;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CButton hexRadio_;
    CButton alphanumericRadio_;
    CComboBox defaultKeyList_;
    CComboBox lengthLists_[4];
};
