// What vyrsim changes under the running applet, done with the same calls of
// the library's core that vyrsim makes: access points' signal, coming and
// going, the radio, Wireless Zero Configuration, the card out and in.
#pragma once

#include <string>

class RandomStream;

// Makes one random change and says which, as a log line.
std::string ChangeCardAtRandom(RandomStream& random);
// Puts the card back when it is out: "card in", or "" when it was in.
std::string InsertCardIfOut();
bool CardIsOut();
// Wireless Zero Configuration's answer as vyrsim sets it, and a change of
// it: the soak's warm-up needs all five pages.
int ZeroConfigAnswer();
void SetZeroConfigAnswer(int answer);
