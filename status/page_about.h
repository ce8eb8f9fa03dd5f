// The About page: driver and utility versions, MAC address, regulatory domain.
#pragma once

#include "framework/framework.h"

class CPageAbout : public CPropertyPage {
public:
    CPageAbout();
};
