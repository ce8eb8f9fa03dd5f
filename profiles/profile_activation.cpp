// Putting a profile into effect (Activate) and the commit at OK or Apply.
#include "page_config.h"

#include "current_profile.h"
#include "driver/80211api.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "shell/user_admin.h"
#include "shell/windows_version.h"

void CPageConfig::OnActivate()
{
    BOOL admin = IsUserAdministrator();
    int row = SelectedRow();
    if (row < 0)
        return;
    CAdapterConfig* current = GetCurrentProfile();
    if (!current || !activeProfile_ || !adapter_)
        return;
    if (!admin && StartsWith(CurrentName(), kAdminProfileMarker))
        ActivateTemporarily(row);
    else
        ActivateAsSelection(row, admin);
}

// A user who is not an administrator may use an administrator profile, but
// not make it the stored selection; its name is kept so that the icon marks
// it again when the sheet is opened next time.
void CPageConfig::ActivateTemporarily(int row)
{
    activeRow_ = row;
    profileList_.SetFocus();
    profileList_.RedrawItems(0, FirstCount() + SecondCount() - 1);
    SelectRow(row);
    SyncSelection();

    PAvailableAdapters adapters;
    adapters.SetAdminProfileName(CurrentName());
    CWndLifeline lifeline(*this);
    CAdapterConfig* current = GetCurrentProfile();
    ShowMessage(IDS_TEMPORARILY_ACTIVATED);
    if (CameThrough(lifeline, current))
        current->ApplyTemporarily();
}

void CPageConfig::ActivateAsSelection(int row, BOOL admin)
{
    CAdapterConfig* current = GetCurrentProfile();
    adapter_->SetCurrentConfiguration(current);
    if (!admin) {
        // Forgets an earlier temporary activation.
        PAvailableAdapters adapters;
        adapters.SetAdminProfileName(std::string());
    }
    activeRow_ = row;
    if (current != activeProfile_)
        activeProfile_ = current;
    current->Apply();

    profileList_.SetFocus();
    profileList_.RedrawItems(0, admin ? FirstCount() : FirstCount() + SecondCount());
    SelectRow(row);
    SyncSelection();
    if (mainSheet_)
        mainSheet_->EnableApply(FALSE);
}

void CPageConfig::CommitProfile()
{
    if (commitGuard_)
        return;
    commitGuard_ = TRUE;
    CAdapterConfig* current = GetCurrentProfile();
    if (!current || !activeProfile_ || !adapter_)
        return;

    std::string name = CurrentName();
    if (mainSheet_ && !deletingMultipleConfig_) {
        if (const std::string* entry = MultipleConfigEntryOf(name)) {
            current->SaveMultipleConfig(*entry, 0);
            return;
        }
    }
    if (!current->IsModified())
        return;
    if (current == activeProfile_)
        current->Apply();
    else
        current->Save();
}
