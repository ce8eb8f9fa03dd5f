// The Status page: the card's live link.
#pragma once

#include "framework/framework.h"

class CPageStatus : public CPropertyPage {
public:
    CPageStatus();
};
