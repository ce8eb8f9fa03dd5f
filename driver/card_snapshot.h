// The card as one read of the store found it, for the library's calls that
// only read: the status at every tick and the several questions of one
// opening share it. It is read again only after a change notification says
// the store changed, or when another store is in use. Every
// read-modify-write still reads what it changes from the store itself.
#pragma once

#include <memory>
#include <string>

#include "card_state.h"

struct CardSnapshot {
    SimulatedCard card;         // access points' keys and passwords sealed
    CardState state;
    std::string linkFailure;
    bool hasApplied = false;
    AppliedProfile applied;     // keys and passwords sealed
};

// A new object only when the store was read again. A store that is refused
// reads as a card that is not present.
std::shared_ptr<const CardSnapshot> CurrentCardSnapshot();
