// The card's state as the store holds it now, for the library's own calls
// that only read it: an opening of the applet asks for it several times.
#pragma once

#include "card_state.h"

// Read again only when a change notification says the store changed since
// the last read (one wait instead of the store opened and five values
// read); an empty state when there is no store.
CardState CurrentCardState();
