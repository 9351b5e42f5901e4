// Paragraph records (classes 1 to 5): main lines with smaller lines above,
// between and below them, rows beside a tall sign, continuation pieces in
// the gaps, and column and ring lists. The class fixes the geometry, the
// subtype switches the optional parts on; every part the subtype names must
// be in the file in the order read here.
#include "render/text_typeset.h"

#include <cstring>

using namespace typeset;

namespace {

// Part flags by subtype, one letter per part.
constexpr const char* kClass1Parts[10] = {"", "", "A", "B", "AB", "AD", "E", "ABC", "ABD", "ABCD"};
// Subtypes 8 and 9 name no parts: the main lines only.
constexpr const char* kClass2Parts[10] = {"",    "ABC",   "CDE",    "ABCDE", "",
                                          "ABC", "ACDEF", "ABCDEF", "",      ""};
constexpr const char* kClass3Parts[10] = {"",      "AC",     "BD",       "BC",    "ABCD",
                                          "ABCDE", "ABCDFG", "ABCDEFGJ", "ABCDJ", "ABCDEJ"};
constexpr const char* kClass4Parts[10] = {"",    "EFGJ", "A",        "AEFGJK",     "AB",
                                          "ABC", "ABCD", "ABEFGJKN", "ABCEFGJKNS", "ABCDEFGJKNST"};
constexpr const char* kClass5Parts[10] = {"RK", "beg",   "V",           "begV", "begVRK",
                                          "UX", "aefUX", "abcdefghiUX", "",     ""};

bool Has(const char* parts, char part) {
    return std::strchr(parts, part) != nullptr;
}

const char* PartsOf(const char* const table[10], int subtype) {
    return (subtype >= 0 && subtype <= 9) ? table[subtype] : "";
}

// Class 1: one main line with up to four companions.
void Class1(RecordReader& r) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, Q = r.Q, sub = v.m_nRecSubtype;
    const double sp = v.m_dLineSpacing;
    const char* parts = PartsOf(kClass1Parts, sub);
    if (v.m_bShowRecordText)
        v.m_nNextLineY = PagePos(std::int64_t(Y) + (sub == 0   ? ToPixel((1.4 + sp) * H)
                                                    : sub == 1 ? ToPixel((1.0 + sp) * H / 2.0)
                                                               : ToPixel((1.5 + sp) * H)));
    if (Has(parts, 'D')) {
        r.Draw(1, Y - H / 5);
        r.Gap(Y - (3 * Q) / 4);
    }
    if (Has(parts, 'A')) {
        r.Draw(1, Y - (3 * Q) / 4);
        r.Gap(Y);
    }
    r.Draw(0, Y, true);
    if (Has(parts, 'B')) {
        r.Gap(Y + H / 2);
        r.Draw(1, Y + (4 * H) / 7);
    }
    if (Has(parts, 'C') && r.Header()) {
        // The second main line carries a header of its own, which becomes
        // the record's: its parameter colours the line and what follows.
        v.ParseRecordHeader();
        r.P = v.m_nRecParam;
        r.Draw(0, Y, true);
    }
    if (Has(parts, 'E')) r.ColumnList(Y + H, 0.0, RecordReader::ColumnWriter::Rotated90, false);
}

// Class 2: two main lines one over the other with lines above, between and
// below, ring marks and a column list.
void Class2(RecordReader& r) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, Q = r.Q, sub = v.m_nRecSubtype;
    const char* parts = PartsOf(kClass2Parts, sub);
    const bool swapped = sub == 4 || sub == 5; // upper in style 14, lower in style 0
    const int O = (sub == 1 || sub == 2 || sub == 4) ? H / 6
                  : (sub == 3 || sub == 6)           ? H / 3
                  : sub == 7                         ? H / 2
                                                     : 0;
    if (v.m_bShowRecordText)
        v.m_nNextLineY = PagePos(std::int64_t(Y) + ToPixel((2.2 + 1.2 * v.m_dLineSpacing) * H));
    if (Has(parts, 'A')) {
        r.Draw(1, Y - (3 * Q) / 4);
        r.Gap(Y - (3 * Q) / 4);
    }
    r.Draw(swapped ? 14 : 0, Y, true);
    if (Has(parts, 'F')) {
        const int y = Y + O / 3 + (2 * H) / 3 - Q;
        r.Gap(y);
        r.Draw(1, y);
    }
    if (Has(parts, 'B')) {
        r.Gap(Y + O + (2 * H) / 3 - Q);
        r.Draw(1, sub <= 3 ? Y + O + (2 * H) / 3 - Q : Y + O + (3 * H) / 4 - Q);
    }
    r.Gap(Y + O + (3 * H) / 5);
    r.Draw(swapped ? 0 : 2, Y + O + (2 * H) / 3, true);
    if (Has(parts, 'C')) {
        r.Gap(Y + O + (4 * H) / 3);
        r.Draw(1, swapped ? Y + O + (4 * H) / 3 : Y + O + (9 * H) / 8);
    }
    const int O2 = swapped ? (2 * H) / 3 + 4 : 0;
    if (Has(parts, 'D')) {
        r.RingList(Y + O2 + H / 2, true);
        r.Line(0); // the rest of the line that ended the list
    }
    if (Has(parts, 'E')) r.ColumnList(Y + O2, 0.2, RecordReader::ColumnWriter::Style0, true);
}

// Whether the two bytes at `p` are among the first `count` two-byte
// entries of a GBK table.
bool InFirstPairs(const char* table, int count, const char* p) {
    if (!table) return false;
    const int n = int(std::strlen(table)) / 2;
    for (int k = 0; k < count && k < n; ++k)
        if (table[2 * k] == p[0] && table[2 * k + 1] == p[1]) return true;
    return false;
}

// The mask knows the full-width digits and Greek, and only the first 52
// full-width letters (Ｙ, Ｚ and the signs after them stay unmarked).
constexpr int kMaskDigitsGreek = 35;
constexpr int kMaskWideLetters = 52;

// Marks the column mask from m_szTextLine, continuing at column *c: letters
// and digits (single or full width) keep their column.
void MarkColumnMask(CPemroView& v, int* c) {
    const char* t = v.m_szTextLine;
    const int end = int(std::strlen(t)) - 1;
    const int ascii = v.m_pszAsciiChars ? int(std::strlen(v.m_pszAsciiChars)) : 0;
    while (*c < end && *c < kMaxLineBytes) {
        const int i = *c;
        if ((unsigned char)t[i] >= 0x80) {
            const bool wide = InFirstPairs(v.m_pszWideDigitsGreek, kMaskDigitsGreek, t + i) ||
                              InFirstPairs(v.m_pszWideLetters, kMaskWideLetters, t + i);
            v.m_szWideLine[i] = wide ? t[i] : ' ';
            v.m_szWideLine[i + 1] = wide ? t[i + 1] : ' ';
            *c += 2;
        } else {
            const bool found = ascii > 0 && t[i] && std::memchr(v.m_pszAsciiChars, t[i], ascii);
            v.m_szWideLine[i] = found ? t[i] : ' ';
            *c += 1;
        }
    }
}

// Class 3: upper, middle and lower lines with small lines, an optional tall
// sign, two rings and a column list.
void Class3(RecordReader& r) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, Q = r.Q, sub = v.m_nRecSubtype;
    const char* parts = PartsOf(kClass3Parts, sub);
    const int L = (sub == 3 || sub == 4 || sub == 6) ? H / 8 : 0;
    const int O = sub == 7 ? -(H / 6) : 0;
    const bool condensed = sub == 3 || sub == 4;
    const int styleLarge = condensed ? 14 : 2, styleSmall = condensed ? 13 : 1;
    if (v.m_bShowRecordText)
        v.m_nNextLineY = PagePos(std::int64_t(Y) + ToPixel((2.8 + 1.5 * v.m_dLineSpacing) * H));
    if (sub == 8) v.m_nNextLineY = PagePos(std::int64_t(v.m_nNextLineY) + H / 2);
    int column = 0;
    if (Has(parts, 'A')) {
        r.Draw(1, Y - Q - L);
        r.Gap(Y - L);
    }
    r.Draw(styleLarge, Y - L);
    if (!r.ended) MarkColumnMask(v, &column);
    if (Has(parts, 'B')) {
        r.Gap(Y + H / 2);
        r.Draw(styleSmall, Y + H / 2);
    }
    r.Gap(Y + (3 * H) / 5);
    r.Draw(0, Y + (3 * H) / 5, true);
    if (!r.ended) MarkColumnMask(v, &column);
    if (Has(parts, 'C')) {
        r.Gap(Y + O + (6 * H) / 5);
        r.Draw(styleSmall, Y + O + (6 * H) / 5);
    }
    const int lower = Y + O + (4 * H) / 3 + (4 * L) / 3;
    r.Gap(lower);
    r.Draw(styleLarge, lower);
    if (Has(parts, 'D')) {
        const int y = Y + O + (9 * H) / 5 + (4 * L) / 3;
        r.Gap(y);
        r.Draw(1, y);
    }
    if (Has(parts, 'J')) {
        r.Gap(Y + O + 2 * H);
        r.Draw(2, Y + O + 2 * H);
        r.Gap(Y + O + (12 * H) / 5);
        r.Draw(1, Y + O + (5 * H) / 2);
    }
    if (Has(parts, 'E')) {
        r.Gap(Y + O + (5 * H) / 2);
        r.DrawScaled(r.M + H / 7, Y - H / 2, 1.0, 3.0);
    }
    if (Has(parts, 'F')) {
        const int c = Y + Q + H;
        if (r.Header() && r.PeekedColumn() > 0) r.Ring(r.PeekedColumn(), c, v.m_nNextRecParam);
        if (r.Header() && r.PeekedColumn() > 0 && v.IsTextLineVisible(Y))
            r.Ring(r.PeekedColumn(), c, v.m_nNextRecParam);
    }
    if (Has(parts, 'G')) {
        r.Line(0);
        r.ColumnList(Y + (3 * H) / 5, 0.2, RecordReader::ColumnWriter::Style0, false);
    }
}

// Class 4: three to seven rows with small lines between them and a tall
// sign at the left.
void Class4(RecordReader& r) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, sub = v.m_nRecSubtype;
    const int Q = H / 2;
    const char* parts = PartsOf(kClass4Parts, sub);
    const int rows[7] = {
        Y,         Y + (7 * H) / 6, Y + (5 * H) / 2, Y + (11 * H) / 3, Y + (29 * H) / 6,
        Y + 6 * H, Y + (43 * H) / 6};
    const char rowFlags[7] = {0, 0, 0, 'A', 'B', 'C', 'D'};
    const char belowFlags[7] = {'F', 'G', 'J', 'K', 'N', 'S', 'T'};
    int n = 0;
    for (char f : {'A', 'B', 'C', 'D'}) n += Has(parts, f) ? 1 : 0;
    if (v.m_bShowRecordText)
        v.m_nNextLineY =
            PagePos(std::int64_t(Y) + ToPixel((3.4 + n + 1.5 * v.m_dLineSpacing) * 7.0 * H / 6.0));
    if (Has(parts, 'E')) {
        r.Draw(13, Y - Q / 6);
        r.Gap(Y - Q / 6);
    }
    for (int row = 0; row < 7; ++row) {
        if (rowFlags[row] && !Has(parts, rowFlags[row])) continue;
        if (row >= 1) r.Loop(rows[row]);
        r.Draw(0, rows[row], row == 1);
        r.Gap(row <= 3 ? rows[row] : rows[row] + Q);
        if (Has(parts, belowFlags[row])) {
            r.Draw(13, rows[row] + Q);
            r.Header();
        }
    }
    r.Loop(Y + ((3 + n) * 7 * H) / 6 + Q);
    r.DrawScaled(r.M, Y, 1.0, 4.0 + 1.4 * n);
}

// Class 5: three main rows with lines at the half rows, small lines above
// them and a tall sign at the left.
void Class5(RecordReader& r) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, Q = r.Q, sub = v.m_nRecSubtype;
    const char* parts = PartsOf(kClass5Parts, sub);
    const auto small = [&](char part, int y) {
        if (!Has(parts, part)) return;
        r.Gap(y);
        r.Draw(1, y);
    };
    if (v.m_bShowRecordText)
        v.m_nNextLineY = PagePos(std::int64_t(Y) + ToPixel((4.8 + 1.5 * v.m_dLineSpacing) * H));
    const bool U = Has(parts, 'U'), V = Has(parts, 'V'), X = Has(parts, 'X');
    if (U) {
        if (Has(parts, 'a')) {
            r.Draw(1, Y - Q);
            r.Gap(Y);
        }
        r.Draw(2, Y);
        r.Gap(Y + H / 2 - Q);
    }
    if (Has(parts, 'b')) {
        r.Draw(1, Y + H / 2 - Q);
        r.Gap(Y + H / 2);
    }
    r.Draw(0, Y + H / 2, true);
    if (U) {
        small('c', Y + H - Q);
        r.Gap(Y + H);
        r.Draw(2, Y + H);
        small('d', Y + (3 * H) / 2 - Q);
    }
    if (V) {
        r.Gap(Y + (3 * H) / 2);
        r.Draw(2, Y + (3 * H) / 2);
    }
    small('e', Y + 2 * H - Q);
    r.Gap(Y + 2 * H);
    r.Draw(0, Y + 2 * H, true);
    if (V) {
        r.Gap(Y + (5 * H) / 2);
        r.Draw(2, Y + (5 * H) / 2);
    }
    if (X) {
        small('f', Y + 3 * H - Q);
        r.Gap(Y + 3 * H);
        r.Draw(2, Y + 3 * H);
    }
    small('g', Y + (7 * H) / 2 - Q);
    r.Gap(Y + (7 * H) / 2);
    r.Draw(0, Y + (7 * H) / 2, true);
    if (X) {
        small('h', Y + 4 * H - Q);
        r.Gap(Y + 4 * H);
        r.Draw(2, Y + 4 * H);
        small('i', Y + (28 * H) / 6 - Q);
    }
    r.Header();
    r.DrawScaled(r.M, Y + H / 2, 1.0, 4.0);
    if (Has(parts, 'R')) r.RingList(Y + (5 * H) / 2, false);
    if (Has(parts, 'K')) {
        r.Line(0);
        r.ColumnList(Y + 2 * H, 0.0, RecordReader::ColumnWriter::Style0, false);
    }
}

} // namespace

namespace typeset {

void TypesetParagraph(RecordReader& r) {
    switch (r.v.m_nRecClass) {
    case 1:
        Class1(r);
        break;
    case 2:
        Class2(r);
        break;
    case 3:
        Class3(r);
        break;
    case 4:
        Class4(r);
        break;
    case 5:
        Class5(r);
        break;
    default:
        break;
    }
}

} // namespace typeset
