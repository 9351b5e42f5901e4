// The soak driver: with PEMRO_SOAK set, the program drives itself through
// Qt's own event delivery, so a long unattended run under a virtual display
// can show that it stays alive and responsive:
//   1. every command of the menus and the toolbar, once, in menu order, then
//      those that stand in no menu by id (every topic page opens; every
//      dialog opens and is cancelled with Escape);
//   2. random left clicks at points inside the active page, with now and then
//      a right click, a mouse move or another random command between them.
// Any modal window that comes up meanwhile (a dialog, a message box) is
// cancelled with Escape before the next step. Progress and the counts go to
// stderr; the last line is "soak: done ...". The run then waits for one real
// key press or mouse click from the window system and quits with status 0,
// which tells the outside harness the event loop still answers.
//
// PEMRO_SOAK="clicks=N,seed=S" (both optional; 10000 clicks, seed 1).
#pragma once

#include <QString>

class CMainFrame;

void StartSoakDriver(CMainFrame* frame, const QString& spec);
