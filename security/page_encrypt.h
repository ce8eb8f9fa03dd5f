// The Security page: the current profile's security mode and EAP method.
#pragma once

#include "framework/framework.h"

class CPageEncrypt : public CPropertyPage {
public:
    CPageEncrypt();
};
