#include "credential_handover.h"

#include "credentials/dlg_leap_user.h"
#include "credentials/dlg_peap_user.h"
#include "credentials/dlg_tls_user.h"
#include "credentials/dlg_ttls_user.h"
#include "credentials/dlg_wep_keys.h"
#include "credentials/dlg_wpa_key.h"
#include "security_record.h"

namespace {

void RunWepKeys(SecurityRecord& record, CDlgWepKeys& dialog, BOOL& showPlain, const CWndLifeline& page)
{
    HandWepKeys(record, dialog);
    dialog.showPlain = showPlain;
    if (dialog.DoModal() != IDOK || !page.Holds())
        return;
    record.WEPEncryptType = static_cast<int>(dialog.keyFormat);
    for (int i = 0; i < 4; ++i) {
        if (!IsMasked(dialog.keyText[i]))
            record.SharedKey[i] = dialog.keyText[i];
        record.SharedKeyLength[i] = dialog.keyLengthIndex[i];
    }
    record.DefaultKey = static_cast<int>(dialog.defaultKey);
    showPlain = FALSE;
}

void RunWpaKey(SecurityRecord& record, const CWndLifeline& page)
{
    CDlgWpaKey dialog;
    dialog.keyText = record.Passphrase;
    dialog.storedKeyLength = record.PassphraseLength;
    if (dialog.DoModal() != IDOK || !page.Holds() || dialog.keyText.empty())
        return;
    record.Passphrase = dialog.keyText;
    record.PassphraseLength = static_cast<int>(dialog.keyText.size());
    if (!IsMasked(dialog.keyText))
        record.HexEntryPp = dialog.hexKey;
}

void RunLeapUser(SecurityRecord& record, const CWndLifeline& page)
{
    CDlgLeapUser dialog;
    dialog.userName = record.leapUserName;
    dialog.password = record.leapUserPasswd;
    if (dialog.DoModal() != IDOK || !page.Holds())
        return;
    record.leapUserName = dialog.userName;
    record.leapUserPasswd = dialog.password;
    record.leapEnabled = TRUE;
}

void RunTlsUser(SecurityRecord& record, const CWndLifeline& page)
{
    CDlgTlsUser dialog;
    dialog.certificate = record.Certificate;
    dialog.authority = record.CA;
    dialog.domainName = record.DomainName;
    dialog.loginName = record.LoginName;
    INT_PTR result = dialog.DoModal();
    if (!page.Holds())
        return;
    if (result == IDOK) {
        record.Certificate = dialog.certificate;
        record.CA = dialog.authority;
        record.DomainName = dialog.domainName;
        record.LoginName = dialog.loginName;
    } else if (result == IDCANCEL && record.Certificate.empty()) {
        record.Certificate = dialog.certificate;
    }
}

// The PEAP and the TTLS dialogs take the same five values.
template <class Dialog>
void RunUserWithAuthority(SecurityRecord& record, const CWndLifeline& page)
{
    Dialog dialog;
    dialog.authority = record.CA;
    dialog.domainName = record.DomainName;
    dialog.loginName = record.LoginName;
    dialog.userName = record.AdvancedUserName;
    dialog.password = record.AdvancedPassword;
    if (dialog.DoModal() != IDOK || !page.Holds())
        return;
    record.CA = dialog.authority;
    record.DomainName = dialog.domainName;
    record.LoginName = dialog.loginName;
    record.AdvancedUserName = dialog.userName;
    record.AdvancedPassword = dialog.password;
}

}  // namespace

void HandWepKeys(const SecurityRecord& record, CDlgWepKeys& dialog)
{
    dialog.keyFormat = static_cast<UINT>(record.WEPEncryptType);
    for (int i = 0; i < 4; ++i) {
        dialog.keyText[i] = record.SharedKey[i];
        dialog.keyLengthIndex[i] = record.SharedKeyLength[i];
    }
    dialog.defaultKey = static_cast<UINT>(record.DefaultKey);
}

void ConfigureCredentials(SecurityRecord& record, CDlgWepKeys& wepKeys, BOOL& showPlain, const CWndLifeline& page)
{
    switch (record.EapSelection) {
    case kEapLeap:
        record.WPA ? RunTlsUser(record, page) : RunLeapUser(record, page);
        break;
    case kEapPeapGtc:
    case kEapPeap:
        RunUserWithAuthority<CDlgPeapUser>(record, page);
        break;
    case kEapTls:
        RunTlsUser(record, page);
        break;
    case kEapTtls:
        RunUserWithAuthority<CDlgTtlsUser>(record, page);
        break;
    case kEapStaticKeys:
        record.WPA ? RunWpaKey(record, page) : RunWepKeys(record, wepKeys, showPlain, page);
        break;
    default:
        break;
    }
}
