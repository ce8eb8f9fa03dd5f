#include "page_about.h"

#include "res/resource.h"

CPageAbout::CPageAbout() : CPropertyPage(IDD_PAGE_ABOUT) {}
