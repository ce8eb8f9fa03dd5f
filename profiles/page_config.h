// The Configuration page: the adapter's profiles and the current profile.
#pragma once

#include "framework/framework.h"

class CAdapterConfig;
class CDriverAdapter;
class CDriverConfigurator;

class CPageConfig : public CPropertyPage {
public:
    CPageConfig();

    // Takes the first adapter and makes its current configuration both the
    // active and the current profile. Runs before the page has a window.
    void AttachConfigurator(CDriverConfigurator* configurator);

private:
    CDriverConfigurator* configurator_ = nullptr;
    CDriverAdapter* adapter_ = nullptr;
    CAdapterConfig* activeProfile_ = nullptr;
};
