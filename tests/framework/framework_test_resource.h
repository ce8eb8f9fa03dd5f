// Resource IDs of the framework tests' own templates, strings and icon.
#pragma once

#define IDI_FW_ICON             300

#define IDD_FW_FORM             400
#define IDD_FW_PAGE_FIRST       401
#define IDD_FW_PAGE_SECOND      402
#define IDD_FW_PAGE_THIRD       403
// Present in the program and, with another caption, in the resource DLL.
#define IDD_FW_TRANSLATED       404
// In neither module.
#define IDD_FW_MISSING          499

#define IDC_FW_NAME             1001
#define IDC_FW_CHOICES          1003
#define IDC_FW_LIST             1008
#define IDC_FW_PAGE_EDIT        1011
#define IDC_FW_PAGE_LATER       1012

// One string-table block (1008 to 1023) with gaps, so that lookups walk over
// absent entries; the resource DLL has the same block with fewer strings.
#define IDS_FW_SHEET_CAPTION    1008
#define IDS_FW_PADDED           1009
#define IDS_FW_MISSING          1011
#define IDS_FW_LONG             1012
#define IDS_FW_TRANSLATED       1013
#define IDS_FW_OWN_ONLY         1014
#define IDS_FW_LAST_OF_BLOCK    1023
// A block that neither module has.
#define IDS_FW_MISSING_BLOCK    1200
