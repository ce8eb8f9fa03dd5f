// The Security page: the current profile's security mode and EAP method,
// held in a record while the user edits and stored when the page is left.
#pragma once

#include "credentials/dlg_wep_keys.h"
#include "framework/framework.h"
#include "security/security_record.h"

class CAdapterConfig;

class CPageEncrypt : public CPropertyPage {
public:
    CPageEncrypt();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Checks the record and stores it; FALSE keeps the user on the page.
    BOOL OnKillActive() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnDisableSecurity();
    void OnWep();
    void On8021x();
    void OnWpa();
    void OnWpaPreSharedKeys();
    void OnEapTypeChange();
    void OnConfigure();

    void OnRadio(const CButton& radio, BOOL enableSecurity, BOOL dynamicSecurity);
    void FillEapLists();
    void Select8021x(UINT textId);
    // Turns the checked radio and the chosen EAP type into the record.
    void ReadChoice();
    void ShowSelectionOnRadios();
    void ApplyEnablingRules(const CAdapterConfig& profile);
    void RestrictForOtherUsers(const CAdapterConfig& profile);
    // WPA, WPA Pre-Shared Keys, 802.1x and the two list labels.
    void EnableDynamicChoices(BOOL enable);
    void DisableWhatWindowsDoesNotOffer();
    void MarkChanged();

    CStatic wpaEapLabel_;
    CStatic eap8021xLabel_;
    CComboBox eap8021xList_;
    CComboBox wpaEapList_;
    CButton configureButton_;
    CButton wepRadio_;
    CButton disableRadio_;
    CButton wpaRadio_;
    CButton radio8021x_;
    CButton wpaPreSharedKeysRadio_;

    SecurityRecord record_;
    CDlgWepKeys wepKeysDialog_;
    // Shows the WEP keys unmasked after the keys were refused.
    BOOL showPlain_ = FALSE;
    // The record is stored and unchanged since.
    BOOL committed_ = FALSE;
};
