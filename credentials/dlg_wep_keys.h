// The WEP keys dialog: up to four static keys, each key's length, how the
// keys are typed and which key the card sends with.
#pragma once

#include <string>

#include "framework/framework.h"

class CDlgWepKeys : public CDialog {
public:
    CDlgWepKeys();

    // Set before DoModal, taken back after IDOK. Keys are hexadecimal digits
    // or empty; a key handed back with "*" is the caller's stored key,
    // unchanged. Format: 0 hexadecimal entry, other values characters.
    // Length index: 0 64-bit, 1 128-bit, 2 152-bit, 3 not set; after IDOK
    // the list's selection, -1 for none. Default key: 1 to 4.
    UINT keyFormat = 0;
    std::string keyText[4];
    int keyLengthIndex[4] = {0, 0, 0, 0};
    UINT defaultKey = 0;
    // Raised by the caller after it refused the keys: they are shown as
    // handed in instead of masked.
    BOOL showPlain = FALSE;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    template <int Key>
    void OnKeyUpdate() { FilterKey(Key); }
    template <int Key>
    void OnKeyChange() { FirstChange(Key); }
    template <int Key>
    void OnLengthChange() { ChangeLength(Key); }
    void OnHexadecimal();
    void OnAlphanumeric();

    void FillLengthLists();
    void SetUpperCase();
    void ChangeFormat(UINT format);
    void ChangeLength(int key);
    void ApplyLimit(int key);
    void FilterKey(int key);
    void FirstChange(int key);
    // Shows the message of the first rule the keys break; false when none.
    bool RefuseKeys();

    CButton hexRadio_;
    CButton alphanumericRadio_;
    CComboBox defaultKeyList_;
    CComboBox lengthLists_[4];
    CEdit keyEdits_[4];
    BOOL firstChange_[4] = {FALSE, FALSE, FALSE, FALSE};
    int droppedAt_ = 0;
};
