// The desktop's common dialogs (colour, font, open file) behind plain types,
// so the view calls them without Qt. Each returns false when the user
// cancels. Where nobody could answer a dialog (the offscreen and minimal
// platforms of tests and tools) they return false at once, unless a hook is
// installed.
#pragma once

#include "platform/types.h"

#include <functional>
#include <string>

// Colour dialog; *colour is the initial colour in and the choice out.
bool ChooseColorDialog(COLORREF* colour);

// Font dialog with a colour choice: *font and *colour are the initial
// values in and the choice out (both unchanged on Cancel).
bool ChooseFontDialog(LOGFONT* font, COLORREF* colour);

// File-open dialog. `filter` is in the program's own form, pairs of text and
// patterns separated by '|' and ended by "||" (UTF-8); `defaultExt` is added
// to a typed name without extension. *gbkPath receives the full path (GBK).
bool ChooseFileDialog(std::string* gbkPath, const char* filter, const char* defaultExt);

// Replaces the dialogs (tests); an empty function restores the real one.
struct CommonDialogHooks {
    std::function<bool(COLORREF*)> colour;
    std::function<bool(LOGFONT*, COLORREF*)> font;
    std::function<bool(std::string* gbkPath)> file;
};
void SetCommonDialogHooks(CommonDialogHooks hooks);

// --- Helpers of the dialogs, free of Qt ------------------------------------

// The program's filter form as Qt's: "Text (pat1 pat2);;Text2 (pat)"; a text
// that already ends in its patterns in brackets is kept as it is.
std::string QtNameFilters(const char* filter);

// Stores a font choice into a LOGFONT the way the system dialog fills one:
// the face name in GBK (cut at a character boundary to fit), the height as
// the negative character height in pixels at 96 dots per inch, width 0;
// character set, precisions and quality stay as they were.
void StoreFontChoice(LOGFONT* font, const std::string& utf8Family, double pointSize, int weight,
                     bool italic, bool underline, bool strikeOut);
