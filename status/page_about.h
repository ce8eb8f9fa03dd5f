// The About page: driver and utility versions, MAC address and regulatory
// domain, read once when the page is first shown.
#pragma once

#include "driver/80211api.h"
#include "framework/framework.h"

class CPageAbout : public CPropertyPage {
public:
    CPageAbout();

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CDriverStatus* status_;
};
