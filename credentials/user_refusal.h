// How the credential dialogs refuse what the user entered.
#pragma once

#include <windows.h>

#include <string>

class CDialog;

// The message with the application title and OK alone; then, when the
// dialog came through the box, the focus goes to control `focusId`.
void RefuseInput(CDialog& dialog, UINT messageId, int focusId);

// A list the user must choose from is empty: says so and ends the dialog
// with IDCANCEL once its initialisation returns.
void CloseForMissingCertificates(CDialog& dialog);

// Control IDs of a user name and a password typed twice, and the field
// that gets the focus when the two passwords differ.
struct UserPasswordFields {
    int userName;
    int password;
    int confirmation;
    int focusOnMismatch;
};

// Checks the three fields in order (user name, password, confirmation
// filled; the passwords equal, case included) and refuses the first fault.
// When they pass, `userName` and `password` take the fields' texts.
bool AcceptUserPassword(CDialog& dialog, const UserPasswordFields& fields, std::string& userName,
                        std::string& password);
