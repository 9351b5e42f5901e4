// Fonts of the device context: the mapping from a LOGFONT to a Qt font and
// the face names the pages use to the families installed here.
#pragma once

#include "platform/types.h"

#include <QFont>
#include <QFontMetrics>

// Maps the face names of scripts and settings (宋体, 黑体, 楷体, 隶书 ...) to
// installed families. Called once at start-up; FontFromLogFont calls it too,
// so tools and tests need not.
void InstallFaceSubstitutions();

// The face a GBK face name draws with: the face itself when installed, else
// its first installed substitute, else an installed Chinese face.
QString ResolveFaceName(const char* gbkFace);

// The installed fixed-pitch Latin face with an italic design (its l, 1 and
// I differ) that single-byte text in a Chinese face is drawn in when the
// face's own letters do not fit its half-width cells, or an empty string.
QString LatinCellFamily();

// What a font draws: any text, or text of single-byte characters only.
enum class FontText { Any, SingleByte };

// `base` with the installed simplified-Chinese faces of the interface (menus,
// dialogs, status bar) as its families.
QFont InterfaceFont(const QFont& base);

// Whether single-byte text of an italic LOGFONT is drawn as upright letters
// sheared into a slant (no italic Latin face serves it), so that its ink
// leans right of its cells.
bool IsShearedItalic(const LOGFONT& lf);

// The Qt font for a LOGFONT, without antialiasing or kerning:
// - lfHeight < 0 is the character (em) height in pixels, > 0 the cell height
//   (ascent + descent), 0 the default of 16 pixels;
// - lfWidth != 0 stretches the font so that a half-width cell is |lfWidth|
//   wide (a Chinese character about twice that);
// - lfWeight >= 600 is bold; lfItalic, lfUnderline, lfStrikeOut as named;
//   single-byte text in a Chinese face, when italic or when the face's own
//   letters are proportional, is drawn in LatinCellFamily at the Chinese
//   font's size, stretched so that each letter advances one half-width
//   cell; two-byte text stays in the Chinese face.
// The escapement is not part of the font: TextOut rotates the text.
QFont FontFromLogFont(const LOGFONT& lf, FontText text = FontText::Any);

// Whether drawing `f` must embolden it by hand: Qt draws glyphs above a size
// as outlines, which lose the emboldening of a face without a bold design.
bool NeedsOutlineBold(const QFont& f);

// A font ready for drawing with its metrics.
struct DcFont {
    QFont font;
    QFontMetrics metrics;
    int nAscent;
    int nDescent;
    bool bOutlineBold;
    explicit DcFont(const QFont& f)
        : font(f), metrics(f), nAscent(metrics.ascent()), nDescent(metrics.descent()),
          bOutlineBold(NeedsOutlineBold(f)) {}
};

// The font for a LOGFONT from a small cache (text is often drawn character by
// character). The reference stays valid until the next call. For lfHeight > 0
// the cell (nAscent + nDescent) is exactly lfHeight.
const DcFont& CachedFont(const LOGFONT& lf, FontText text = FontText::Any);
