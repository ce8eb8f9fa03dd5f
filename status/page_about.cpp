#include "page_about.h"

#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"

CPageAbout::CPageAbout() : CPropertyPage(IDD_PAGE_ABOUT), status_(CVeltoDriverStatus::GetInstance()) {}

BOOL CPageAbout::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_DRIVER_VERSION, LoadResString(IDS_ABOUT_DRIVER_VERSION) + status_->GetDriverVersion());
    SetDlgItemText(IDC_ABOUT_UTILITY_VERSION, LoadResString(IDS_ABOUT_UTILITY_VERSION));
    SetDlgItemText(IDC_ABOUT_MAC_ADDRESS, LoadResString(IDS_ABOUT_MAC_ADDRESS) + status_->GetMacAddress());
    // Two characters, the high byte first; "NA" is shown as world-wide.
    DWORD code = status_->GetCountryCode();
    std::string domain = Format("%c%c", static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF));
    if (domain == "NA")
        domain = "WW";
    SetDlgItemText(IDC_ABOUT_REGULATORY_DOMAIN, LoadResString(IDS_ABOUT_REGULATORY_DOMAIN) + domain);
    return TRUE;
}

void CPageAbout::OnOK()
{
    if (CWiFiPropSheet* sheet = CWiFiPropSheet::OfPage(*this))
        sheet->CommitProfileInUse();
    CPropertyPage::OnOK();
}
