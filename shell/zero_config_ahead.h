// The Wireless Zero Configuration question asked ahead, when the Control
// Panel loads the applet: the service manager takes milliseconds to answer,
// and the library keeps the answer for the sheet that opens next.
#pragma once

// Starts the question on a thread of its own, which keeps this DLL loaded
// until it has its answer.
void AskZeroConfigAhead();
