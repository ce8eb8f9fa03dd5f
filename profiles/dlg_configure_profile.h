// The Configure Profile dialog: network names, network type, wireless mode
// and peer-to-peer start band of the current profile.
#pragma once

#include "framework/framework.h"

class CAdapterConfig;
class CDriverStatus;

class CDlgConfigureProfile : public CDialog {
public:
    // With no parent the active window, the sheet, owns the dialog.
    explicit CDlgConfigureProfile(CWnd* parent = nullptr);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Writes the settings, then has the sheet's Configuration page commit
    // them at once.
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnWirelessModeChange();
    void OnNetworkTypeChange();
    void OnNetworkTypeFocus();

    void ReadCard();
    void FillLists();
    void LoadValues(CAdapterConfig& profile);
    void ShowNetworkType(DWORD type);
    void ShowWirelessMode(DWORD mode, DWORD type);
    // Greys what a user who is not an administrator may not change.
    void RestrictForUser(CAdapterConfig& profile, DWORD type);
    void WriteValues(CAdapterConfig& profile, const std::string& name1, const std::string& name2,
                     const std::string& name3);
    DWORD SelectedWirelessMode() const;
    void CommitOnSheet();

    void EnableNames2And3(BOOL enable);
    void EnableStartBand(BOOL enable);
    void EnableWirelessMode(BOOL enable);
    void EnableItem(int id, BOOL enable);

    CComboBox txRateCombo_;
    CEdit name1Edit_;
    CEdit name2Edit_;
    CEdit name3Edit_;
    CComboBox startBandCombo_;
    CComboBox networkTypeCombo_;
    CComboBox wirelessModeCombo_;

    CDriverStatus* status_ = nullptr;
    UINT nameCapacity_ = 0;
    BOOL worldWide_ = FALSE;
    BOOL capable11g_ = FALSE;
    DWORD radioCapabilities_ = 0;
    DWORD securityCapabilities_ = 0;
    BOOL administrator_ = TRUE;
};
