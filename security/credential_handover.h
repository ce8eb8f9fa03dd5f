// Configure of the Security page: the credential dialog that the selection
// needs, handed the record's values before it runs; what the user confirmed
// goes back into the record.
#pragma once

#include <windows.h>

#include "framework/framework.h"

struct SecurityRecord;
class CDlgWepKeys;

// The WEP part of the record: format, keys, length indexes, default key.
void HandWepKeys(const SecurityRecord& record, CDlgWepKeys& dialog);

// Nothing goes back when `page` did not come through the dialog. A taken
// WEP key lowers `showPlain`.
void ConfigureCredentials(SecurityRecord& record, CDlgWepKeys& wepKeys, BOOL& showPlain, const CWndLifeline& page);
