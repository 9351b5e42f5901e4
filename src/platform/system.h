// Services of the desktop: message boxes, starting programs, the browser,
// the program folder.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Nobody could answer a window here: no widget application (tools), or the
// offscreen and minimal platforms (tests). Dialogs answer Cancel at once.
bool IsHeadless();

// The processor time of the calling thread: pass budgets count the program's
// own work, not other load on the machine.
std::chrono::nanoseconds ThreadCpuTime();

// Shows a modal message box with an OK button (UTF-8 text). In headless use
// (tests, tools) the text goes to the installed sink instead.
void AfxMessageBox(const std::string& utf8Text);
// Replaces the box by a sink (nullptr: the real box again).
void SetMessageBoxSink(std::function<void(const std::string&)> sink);

// Shows a short note in the main window's status bar (UTF-8 text); with no
// main window (tests, tools) it goes to the installed sink, else stderr.
void ShowStatusMessage(const std::string& utf8Text);
void SetStatusMessageSink(std::function<void(const std::string&)> sink);

// Starts a program from a command line without a shell: the first word is
// the program (looked up in the program's folder, then on PATH), the rest its
// arguments; GBK like the program's other paths. Returns a value above 31
// on success, the codes the callers test: 33 started, 2 program not found,
// 11 it could not be started.
unsigned WinExec(const std::string& commandLine, int showCmd = 1);
constexpr int SW_SHOW = 5;
// Opens a local page or address in the desktop's default browser. False
// when the page does not exist. Headless, the page is only named on stderr.
bool OpenInBrowser(const std::string& utf8PathOrUrl);
// The folder the program runs in (the current directory) as an absolute
// path in GBK ending in '/'; the program appends its backslash paths to it,
// which the file layer maps.
std::string GetProgramDir();
// Splits a command line into words at blanks; double quotes group blanks
// into a word and are removed.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
