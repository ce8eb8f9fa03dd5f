#include "page_config.h"

#include "current_profile.h"
#include "driver/80211api.h"
#include "res/resource.h"

CPageConfig::CPageConfig() : CPropertyPage(IDD_PAGE_CONFIG) {}

void CPageConfig::AttachConfigurator(CDriverConfigurator* configurator)
{
    configurator_ = configurator;
    CDriverAdapterArray* adapters = configurator->GetAdapters();
    if (!adapters || adapters->GetCount() <= 0)
        return;
    adapter_ = adapters->GetAt(0);
    activeProfile_ = adapter_->GetCurrentConfiguration();
    SetCurrentProfile(activeProfile_);
}
