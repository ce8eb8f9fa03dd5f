// The Power page: power saving and transmit power of the current profile.
#pragma once

#include "framework/framework.h"
#include "profiles/page_config.h"

class CPagePower : public CPropertyPage {
public:
    CPagePower();

    // While Wireless Zero Configuration manages the card the Configuration
    // page is gone; the page then commits through a hidden one of its own.
    void EnterWirelessZeroConfigMode(int enter);
    BOOL IsInWirelessZeroConfigMode() const { return zeroConfigMode_ != 0; }
    CPageConfig& GetHiddenConfigPage() { return hiddenConfigPage_; }

private:
    CPageConfig hiddenConfigPage_;
    int zeroConfigMode_ = 0;
};
