// The applet's one window: the property sheet with the Status,
// Configuration, Security, Power and About pages.
#pragma once

#include <string>
#include <vector>

#include "driver/80211api.h"
#include "framework/framework.h"
#include "profiles/page_config.h"
#include "security/page_encrypt.h"
#include "status/page_about.h"
#include "status/page_power.h"
#include "status/page_status.h"

class CWiFiPropSheet : public CPropertySheet {
public:
    // Builds the whole sheet. On Windows XP, when another session holds the
    // card's configuration, tells the user and ends the process.
    CWiFiPropSheet();
    ~CWiFiPropSheet() override;

    // Enables or disables the sheet's Apply button; returns TRUE.
    BOOL EnableApply(BOOL enable);
    // TRUE: only Status, Power and About; FALSE: all five pages again.
    void SetWirelessZeroConfigMode(BOOL enter);

    const std::vector<std::string>& GetMultipleConfigNames() const { return multipleConfigNames_; }
    // Whether Wireless Zero Configuration managed the card when the sheet
    // was built (the page set may have changed since).
    BOOL StartedInWirelessZeroConfigMode() const { return zeroConfig_; }

    // The sheet a page of it belongs to, from the page's window; null for a
    // page that is in no sheet of this kind (the Power page's hidden one).
    static CWiFiPropSheet* OfPage(const CWnd& page);
    // The configuration page that commits at OK: position 1 while the sheet
    // shows all five pages, else the Power page's hidden one.
    CPageConfig* GetConfigPageInUse();
    // OK of the pages that keep no settings: the commit of the page in use.
    void CommitProfileInUse();

    CPageConfig& GetConfigPage() { return pageConfig_; }
    CPageEncrypt& GetEncryptPage() { return pageEncrypt_; }
    CPagePower& GetPowerPage() { return pagePower_; }
    CPageAbout& GetAboutPage() { return pageAbout_; }

    const MessageMapBase* GetMessageMap() const override;
    // The sheet deletes itself once its window is gone.
    void PostNcDestroy() override;

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

private:
    std::vector<std::string> multipleConfigNames_;
    CPageStatus pageStatus_;
    CPageConfig pageConfig_;
    CPageEncrypt pageEncrypt_;
    CPagePower pagePower_;
    CPageAbout pageAbout_;
    CDriverConfigurator* configurator_ = nullptr;
    BOOL zeroConfig_ = FALSE;
    BOOL claimed_ = TRUE;
    PAvailableAdapters adapters_;
};
