// Constant tables of the view.
#include "view/view_tables.h"

using V = CPemroView;

// Slot 36 is "Domainxy": a plain "Domain" is no keyword of the language.
// Pairs that differ only in case ("Curve"/"curve") are distinct keywords.
// clang-format off
const char* const kScriptKeywords[V::kKeywordCount] = {
    /*   0 */ "Curve", "curve", nullptr, "Region", "Line2",
    /*   5 */ "Line3", "LINE2", "LINE3", "Gradient", "Polygon",
    /*  10 */ "Polygon3", "Text2", "Text3", "Ellipse2", "Ellipse3",
    /*  15 */ "DATA1", "DATA2", "Disconnection", "Period", "Splines",
    /*  20 */ "Font", "Inverse", "Sequence", "Sequence2", "Limit",
    /*  25 */ "Derivative1", "Chord", "Derivative2", "MeanDifferential", "Textz",
    /*  30 */ "CloseAnswer", "MeanCalculus1", "FreeVector2", "FreeVector3", "MeanCalculus2",
    /*  35 */ "Revolve", "Domainxy", "Print", "PLANE", "Regressionm",
    /*  40 */ "LoadBmp", "Domainr", "TangentLine2", "TangentLine3", "TangentPlane",
    /*  45 */ "ProjDomain", "Contour", "Series1", "Series2", "Calculus1",
    /*  50 */ "inverse", "Calculus2", "Fourier", "DiffEquation1", "DiffEquations",
    /*  55 */ "Arc2", "Arc3", "MouseLine", "Root", "LeastSquareMethod",
    /*  60 */ "Romberg", "B^2_AC", "DATAs", "tangentline2", "Surf",
    /*  65 */ "Solid", "Dots", "dots", "Vector2", "Vector3",
    /*  70 */ "GaussCalculus", "SpaceCurve", "SpherCoord", "CylCoord", "Cylinder",
    /*  75 */ "SphSurf", "CylSurf", "AreaElement", "Electric", "Floodfill2",
    /*  80 */ "Floodfill3", "NormalCurve", "Parabola", "Field", "Ploygon",
    /*  85 */ "Vibration", "Plane3", "PlanePencil", "Cube", "TangentVector",
    /*  90 */ "DirectDerive", "IntegralApp", "Answer", "InnerPoint", "CoordinateSystem",
    /*  95 */ "WaterFlow", "CircularCone", "DirectLimit", "BoxLine", "DotVector",
    /* 100 */ "Rectangular", "Differentiation", "Regression1", "LineInterpolate", "Curvature",
    /* 105 */ "PRNCalculus", "TextDert", "curveDert", "Line_Point", "DisDistribution",
    /* 110 */ "ConDistribution", "RegionEstimate", "AssumeVerify", "Approximation", "Largange",
    /* 115 */ "Newton", "Gauss", "JacobiSeidel", "PowerMethod", "LU",
    /* 120 */ "JacobiMethod", "Matrixtransform", "QR", "BoundaryVector", "Det",
    /* 125 */ "calculus1", "calculus2", "ToolbarData", "Html", "SphereCurveMove",
    /* 130 */ "SphereSurfMove", "DAlembert", "Curvespecialfunc",
};
// clang-format on

// clang-format off
const char* const kGlyph0Rows[V::kGlyphSize] = {
    "0000000000000000", // 0
    "0000000000000000", // 1
    "0000000001111000", // 2
    "0000000010000100", // 3
    "0000000100000011", // 4
    "0000000000000001", // 5
    "0000000000000001", // 6
    "0000000001111001", // 7
    "0000000010000001", // 8
    "0000000100000011", // 9
    "0000001000000010", // 10
    "0000001000000100", // 11
    "0000000100001000", // 12
    "0000000011110000", // 13
    "0000000000000000", // 14
    "0000000000000000", // 15
};
// clang-format on

const char kAsciiChars[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｕｖｗｘｙｚＡＢＣＤＥＦФΨΘＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ
// αβγδεζΓηθικλμνξορστυφχψω°⊕∴∵￡  (no full-width t; Ф Ψ Θ stand between F and G)
const char kWideLetters[] =
    "\xA3\xE1\xA3\xE2\xA3\xE3\xA3\xE4\xA3\xE5\xA3\xE6\xA3\xE7\xA3\xE8\xA3\xE9\xA3\xEA\xA3\xEB\xA3"
    "\xEC"
    "\xA3\xED\xA3\xEE\xA3\xEF\xA3\xF0\xA3\xF1\xA3\xF2\xA3\xF3\xA3\xF5\xA3\xF6\xA3\xF7\xA3\xF8\xA3"
    "\xF9"
    "\xA3\xFA\xA3\xC1\xA3\xC2\xA3\xC3\xA3\xC4\xA3\xC5\xA3\xC6\xA7\xB6\xA6\xB7\xA6\xA8\xA3\xC7\xA3"
    "\xC8"
    "\xA3\xC9\xA3\xCA\xA3\xCB\xA3\xCC\xA3\xCD\xA3\xCE\xA3\xCF\xA3\xD0\xA3\xD1\xA3\xD2\xA3\xD3\xA3"
    "\xD4"
    "\xA3\xD5\xA3\xD6\xA3\xD7\xA3\xD8\xA3\xD9\xA3\xDA\xA6\xC1\xA6\xC2\xA6\xC3\xA6\xC4\xA6\xC5\xA6"
    "\xC6"
    "\xA6\xA3\xA6\xC7\xA6\xC8\xA6\xC9\xA6\xCA\xA6\xCB\xA6\xCC\xA6\xCD\xA6\xCE\xA6\xCF\xA6\xD1\xA6"
    "\xD2"
    "\xA6\xD3\xA6\xD4\xA6\xD5\xA6\xD6\xA6\xD7\xA6\xD8\xA1\xE3\xA8\x92\xA1\xE0\xA1\xDF\xA1\xEA";

// ～×９８７６５４３２１０∈∏∑Ω∕∞∠∣│∥∧∨∪≈≠≡≤≦≧≮≯±Δ△▽＞＜＝－＋﹥﹤﹣﹢≥′″≈﹡∩Ππ‖，、；：。…（）±￣―∧·
const char kWideSymbols[] = "\xA1\xAB\xA1\xC1\xA3\xB9\xA3\xB8\xA3\xB7\xA3\xB6\xA3\xB5\xA3\xB4\xA3"
                            "\xB3\xA3\xB2\xA3\xB1\xA3\xB0"
                            "\xA1\xCA\xA1\xC7\xA1\xC6\xA6\xB8\xA8\x4D\xA1\xDE\xA1\xCF\xA8\x4F\xA9"
                            "\xA6\xA1\xCE\xA1\xC4\xA1\xC5"
                            "\xA1\xC8\xA1\xD6\xA1\xD9\xA1\xD4\xA1\xDC\xA8\x51\xA8\x52\xA1\xDA\xA1"
                            "\xDB\xA1\xC0\xA6\xA4\xA1\xF7"
                            "\xA8\x8C\xA3\xBE\xA3\xBC\xA3\xBD\xA3\xAD\xA3\xAB\xA9\x83\xA9\x82\xA9"
                            "\x81\xA9\x80\xA1\xDD\xA1\xE4"
                            "\xA1\xE5\xA1\xD6\xA9\x7E\xA1\xC9\xA6\xB0\xA6\xD0\xA1\xAC\xA3\xAC\xA1"
                            "\xA2\xA3\xBB\xA3\xBA\xA1\xA3"
                            "\xA1\xAD\xA3\xA8\xA3\xA9\xA1\xC0\xA3\xFE\xA8\x44\xA1\xC4\xA1\xA4";

// ９８７６５４３２１０αβγδεζΓηθικλμνξορστυφχψωπ
const char kWideDigitsGreek[] =
    "\xA3\xB9\xA3\xB8\xA3\xB7\xA3\xB6\xA3\xB5\xA3\xB4\xA3\xB3\xA3\xB2\xA3\xB1\xA3\xB0\xA6\xC1\xA6"
    "\xC2"
    "\xA6\xC3\xA6\xC4\xA6\xC5\xA6\xC6\xA6\xA3\xA6\xC7\xA6\xC8\xA6\xC9\xA6\xCA\xA6\xCB\xA6\xCC\xA6"
    "\xCD"
    "\xA6\xCE\xA6\xCF\xA6\xD1\xA6\xD2\xA6\xD3\xA6\xD4\xA6\xD5\xA6\xD6\xA6\xD7\xA6\xD8\xA6\xD0";

const ColourSlot kColourSlots[V::kColourSlotCount] = {
    {&V::m_crBackground, RGB(50, 70, 120)},         // 0
    {&V::m_crLeftFrame, RGB(150, 255, 150)},        // 1
    {&V::m_crGround, RGB(0, 64, 128)},              // 2
    {&V::m_crAxes, RGB(0, 255, 0)},                 // 3
    {&V::m_crCurveSetting, RGB(0, 255, 255)},       // 4
    {&V::m_crFirstDerivative, RGB(250, 255, 0)},    // 5
    {&V::m_crSecondDerivative, RGB(255, 100, 100)}, // 6
    {&V::m_crTheorem, RGB(255, 255, 0)},            // 7
    {&V::m_crChapter, RGB(25, 250, 0)},             // 8
    {&V::m_crBodyText, RGB(255, 255, 255)},         // 9
    {&V::m_crExample, RGB(0, 255, 125)},            // 10
    {&V::m_crExpression, RGB(0, 255, 255)},         // 11
    {&V::m_crUpperMesh, RGB(255, 100, 100)},        // 12
    {&V::m_crLowerMesh, RGB(50, 100, 255)},         // 13
    {&V::m_crSection, RGB(199, 125, 60)},           // 14
    {&V::m_crBackSide, RGB(0, 100, 100)},           // 15
    {&V::m_crFrontSide, RGB(0, 100, 255)},          // 16
    {&V::m_crRightFrame, RGB(200, 200, 200)},       // 17
    {&V::m_crUpperSurface, RGB(255, 0, 128)},       // 18
    {&V::m_crLowerSurface, RGB(0, 50, 250)},        // 19
    {&V::m_crDefaultPen, RGB(255, 128, 0)},         // 20
    {&V::m_crDefaultFill, RGB(0, 150, 255)},        // 21
};

// Entries 3..7 copy the expression, chapter, theorem, example and body-text
// slots; entry 7 is the body text that printing turns black.
const PaletteDefault kPaletteDefaults[V::kPaletteSize] = {
    {-1, RGB(250, 0, 0)},     // 0
    {-1, RGB(255, 255, 0)},   // 1
    {-1, RGB(0, 0, 255)},     // 2
    {11, 0},                  // 3
    {8, 0},                   // 4
    {7, 0},                   // 5
    {10, 0},                  // 6
    {9, 0},                   // 7
    {-1, RGB(150, 0, 0)},     // 8
    {-1, RGB(125, 125, 0)},   // 9
    {-1, RGB(0, 0, 125)},     // 10
    {-1, RGB(0, 125, 125)},   // 11
    {-1, RGB(0, 128, 125)},   // 12
    {-1, RGB(0, 155, 128)},   // 13
    {-1, RGB(128, 0, 155)},   // 14
    {-1, RGB(155, 0, 155)},   // 15
    {-1, RGB(0, 0, 160)},     // 16
    {-1, RGB(216, 216, 216)}, // 17
    {-1, RGB(192, 192, 192)}, // 18
    {-1, RGB(128, 128, 0)},   // 19
};
