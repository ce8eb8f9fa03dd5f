// How the simulated card's hardware reads as text, for status, caps and
// ap list alike.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/card_state.h"

// Radio capability bits.
const DWORD kRadioA = 1;
const DWORD kRadioB = 4;
const DWORD kRadioG = 8;

std::string BandsText(DWORD radioCapabilities);
std::string SecurityCapabilitiesText(DWORD securityCapabilities);
// The two characters of a country code ("US").
std::string CountryText(DWORD countryCode);
bool IsWpaKind(const std::string& security);

void PrintCapabilities(const SimulatedCard& card);
// The points' table, then what each checks of a station, secrets masked
// unless `showSecrets`.
void PrintAccessPoints(const std::vector<AccessPoint>& points, bool showSecrets = false);
