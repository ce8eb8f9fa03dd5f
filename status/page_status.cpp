#include "page_status.h"

#include "res/resource.h"

CPageStatus::CPageStatus() : CPropertyPage(IDD_PAGE_STATUS) {}
