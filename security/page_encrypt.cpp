#include "page_encrypt.h"

#include "res/resource.h"

CPageEncrypt::CPageEncrypt() : CPropertyPage(IDD_PAGE_ENCRYPT) {}
