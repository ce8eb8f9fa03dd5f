// The one profile that every page and dialog shows and edits.
#pragma once

class CAdapterConfig;

// Null when the driver reports no adapter.
CAdapterConfig* GetCurrentProfile();
void SetCurrentProfile(CAdapterConfig* profile);
