// The Status page: the card's live link, read again every three seconds
// while the sheet lives, the radio switch and a new scan. Its timer also
// ends the applet when the card goes, and on Windows XP follows the
// Wireless Zero Configuration service with the sheet's page set.
#pragma once

#include <string>

#include "driver/80211api.h"
#include "framework/framework.h"

class CWiFiPropSheet;

class CPageStatus : public CPropertyPage {
public:
    CPageStatus();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnRescan();
    void OnRadio();
    LRESULT OnTimer(WPARAM id, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);

    // Reads the card into the fields, the bars and the buttons; may end the
    // process when the card is gone.
    void Update();
    void ShowLink();
    // Card missing or radio off: no link to show.
    void ClearLink();
    void CheckWirelessZeroConfig();
    void ShowMessage(UINT textId);

    CButton rescanButton_;
    CButton radioButton_;
    CProgressCtrl linkQualityBar_;
    CProgressCtrl signalStrengthBar_;
    std::string channel_;
    std::string txRate_;
    std::string state_;
    std::string linkQuality_;
    std::string signalStrength_;
    std::string rxRate_;
    std::string security_;

    CDriverStatus* status_ = nullptr;
    CWiFiPropSheet* sheet_ = nullptr;
    BOOL radioOn_ = FALSE;
    UINT_PTR timerId_ = 0;
    int zeroConfigState_ = 0;
    BOOL cardMissingShown_ = FALSE;
    BOOL permissionShown_ = FALSE;
    unsigned windowsVersion_;
    PAvailableAdapters adapters_;
};
