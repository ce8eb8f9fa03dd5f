// The certifying-authority choice of the TLS and TTLS dialogs: "Use Any
// Certificate Authority", "Choose Any Certifying Authority" and the list of
// the trusted roots, enabled only while the second radio is checked.
#pragma once

#include <string>

#include "cert_list.h"

class CButton;
class CComboBox;

// Reads "ROOT" into `authorities` and shows it: the last item whose
// identifier is `authority` selected (item 0 when none is), the radio that
// `authority` calls for checked (an empty one means any) and the list
// enabled to match. False, showing nothing, when the store has no
// certificates.
bool ShowAuthorities(CertificateList& authorities, CComboBox& list, CButton& anyRadio, CButton& chooseRadio,
                     const std::string& authority);
