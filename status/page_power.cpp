#include "page_power.h"

#include "driver/80211api.h"
#include "res/resource.h"

CPagePower::CPagePower() : CPropertyPage(IDD_PAGE_POWER) {}

void CPagePower::EnterWirelessZeroConfigMode(int enter)
{
    if (!enter)
        return;
    zeroConfigMode_ = enter;
    hiddenConfigPage_.AttachConfigurator(CVeltoDriverConfigurator::GetInstance());
}
