// The registration switches of the command line: "RegServer" and
// "UnregServer" after '-' or '/' add or remove the program's desktop entry
// (the menu entry of the desktop) and end the program.
#pragma once

#include <QString>

#include <string>

// The position after the first byte of `p1` that is one of the characters of
// `p2`; nullptr when there is none.
const char* FindOneOf(const char* p1, const char* p2);

enum class RegistrationSwitch { None, Register, Unregister };

// Walks the words that start after '-' or '/' and compares each (up to the
// next blank) case-insensitively with the two switches; the first one found
// wins.
RegistrationSwitch FindRegistrationSwitch(const std::string& commandLine);

// $XDG_DATA_HOME/applications/pemro.desktop ($HOME/.local/share when unset).
QString DesktopEntryPath();
// Writes the entry that starts `programPath` in `workDir`. False with a
// reason when it cannot be written.
bool RegisterDesktopEntry(const QString& programPath, const QString& workDir, QString* error);
// Removes the entry; true also when there was none.
bool UnregisterDesktopEntry(QString* error);
