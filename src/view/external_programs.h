// Starting outside programs (the script editor, the browser) without waiting
// for them. The view's commands go through StartProgram, so that tests can
// watch the command lines instead of starting anything.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts the program a command line names (GBK). Where the named program
// (a Windows program the scripts name) is not installed, a stand-in of this desktop is
// started: a text editor for the Notepad programs (a message box says so
// when there is none), the default browser for IEXPLORE.EXE. Other failures
// are not reported.
void StartProgram(const std::string& commandLine);

// The editors tried in place of the Notepad programs, in order: the command
// line of $VISUAL (`visual`, may be null or empty), then the desktop editors.
std::vector<std::string> StandInEditors(const char* visual);

// Replaces the starter (tests); an empty function restores the real one.
void SetProgramStarter(std::function<void(const std::string&)> starter);

// The browser's command line for a page of the program folder: plain
// concatenation, nothing quoted.
std::string BrowserCommandLine(const std::string& programDir, const std::string& page);
