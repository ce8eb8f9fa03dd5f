// Child scenarios that stand in for the soak's applet sessions, so that a
// test sees how the soak judges each way a session can end. The behaviour
// comes from the environment variable kFakeVariable, which children inherit.
#pragma once

extern const char kFakeVariable[];
// The arguments that start them, for SoakOptions.
extern const char kFakeSessionArguments[];
extern const char kStoreCheckArguments[];
// A crash, exit or hang comes in a soak's first session only (a mark in
// the store); this makes the next soak's first session fail again.
void ForgetFakeSessions();
