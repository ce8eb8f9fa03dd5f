// Whether the system has the font the applet's dialogs are laid out for.
#pragma once

bool HasDialogFont();
