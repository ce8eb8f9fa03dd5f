// Configure of the Security page: the credential dialog that the selection
// needs, handed the record's values before it runs; what the user confirmed
// goes back into the record.
#pragma once

#include <windows.h>

#include "framework/framework.h"

struct SecurityRecord;
class CDlgWepKeys;

// Nothing goes back when `page` did not come through the dialog. A taken
// WEP key lowers `showPlain`.
void ConfigureCredentials(SecurityRecord& record, CDlgWepKeys& wepKeys, BOOL& showPlain, const CWndLifeline& page);
