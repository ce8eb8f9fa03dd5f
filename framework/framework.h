// The application framework in one include.
#pragma once

#include "app.h"
#include "controls.h"
#include "data_exchange.h"
#include "dialog.h"
#include "property_page.h"
#include "property_sheet.h"
#include "seams.h"
#include "strings.h"
