// Whether Wireless Zero Configuration manages the card, asked on a thread
// of its own: the service manager takes milliseconds to answer, and the
// sheet builds its pages meanwhile.
#pragma once

#include <windows.h>

#include "driver/80211api.h"

class ZeroConfigQuestion {
public:
    // Starts asking through `adapters`, which must outlive the question.
    explicit ZeroConfigQuestion(PAvailableAdapters& adapters);
    // Waits for the answer.
    ~ZeroConfigQuestion();
    ZeroConfigQuestion(const ZeroConfigQuestion&) = delete;
    ZeroConfigQuestion& operator=(const ZeroConfigQuestion&) = delete;

    // IsWirelessZeroConfigEnabled's answer, once it has come.
    int Answer();

private:
    static DWORD WINAPI Ask(void* question);

    PAvailableAdapters& adapters_;
    HANDLE thread_;
    int answer_ = -1;
};
