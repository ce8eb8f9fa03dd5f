// The Power page: power saving and transmit power of the current profile,
// stored whenever the user leaves the page.
#pragma once

#include <windows.h>

#include "framework/framework.h"
#include "profiles/page_config.h"

class CPagePower : public CPropertyPage {
public:
    CPagePower();

    // While Wireless Zero Configuration manages the card the Configuration
    // page is gone; the page then commits through a hidden one of its own,
    // also after the sheet has all its pages again.
    void EnterWirelessZeroConfigMode(int enter);
    BOOL IsInWirelessZeroConfigMode() const { return zeroConfigMode_ != 0; }
    CPageConfig& GetHiddenConfigPage() { return hiddenConfigPage_; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnChanged();
    CPageConfig* ConfigPageInUse();

    CComboBox transmitPowerCombo_;
    CComboBox powerSavingCombo_;
    CPageConfig hiddenConfigPage_;
    int zeroConfigMode_ = 0;
};
