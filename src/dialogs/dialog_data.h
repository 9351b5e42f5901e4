// The seven parameter dialogs as the view holds them: plain data, no
// widgets. The view owns one of each for its whole life, so a dialog keeps
// its last values between openings. The commands fill the members, call
// DoModal, and read the members back after IDOK.
//
// DoModal builds the window over the members (dialogs/my_dialog*.cpp): the
// edits show the members, the sliders their positions; on OK every edit is
// checked against its range before anything is stored. A failed check names
// the range, puts the focus back on the edit and keeps the dialog open.
// Cancel stores nothing.
//
// Two rules keep values the user did not touch exactly as they went in:
// - an edit whose text was not changed keeps its member bit for bit (the
//   text shows at most 15 digits and would not always read back the same);
// - a slider position member is written back only when the user moved that
//   slider away from the position it opened at.
#pragma once

#include <string>

// Results of DoModal.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// How a command reconciles a parameter shown both in an edit and on a slider:
// a changed edit wins; else a moved slider gives its position times `scale`;
// else the parameter keeps the value it was shown with.
inline double EditOrSlider(double shown, double edit, double sliderShown, double sliderNow,
                           double scale) {
    if (edit != shown) return edit;
    if (sliderNow != sliderShown) return sliderNow * scale;
    return shown;
}

// Coefficients a..f, alpha, beta and the function number of the current
// one-variable function, the upper/lower curve and the upper/lower surface
// ("函数系数输入对话").
class CMyDialog {
public:
    int DoModal();

    int m_nValFunction = 3;          // edit 1030 "选择函数", 0..100
    double m_adSliderPos[8] = {};    // sliders 1001..1008, range -500..500
    double m_dValA = 0, m_dValB = 0; // edits 1022..1029, each -500..500
    double m_dValC = 0, m_dValD = 0;
    double m_dValE = 0, m_dValF = 0;
    double m_dValAlpha = 0, m_dValBeta = 0;
    // UTF-8 texts: the curve's name (1018), the range of function numbers
    // (1019) and the formula of the current function (1017).
    std::string m_strCurveLabel;
    std::string m_strIndexRange;
    std::string m_strFormula;
};

// Data set X: x1..x25 (edits 1061..1085, each -500000..500000) and the
// count n (edit 1193, 0..20).
class CMyDialog1 {
public:
    int DoModal();

    double m_adValX[25] = {};
    int m_nValCount = 10;
};

// Data set Y: y1..y25 (edits 1031..1055, each -500000..500000).
class CMyDialog2 {
public:
    int DoModal();

    double m_adValY[25] = {};
};

// Ranges: x, y, z and the initial-value interval, each -500000..500000.
// Slider positions in the order x min, x max, y min, y max, initial min,
// initial max, z min, z max (sliders 1001..1008, range -50..50).
class CMyDialog3 {
public:
    int DoModal();

    double m_adSliderPos[8] = {-2, 2, -2, 2, -2, 2, -2, 2};
    double m_dValXMin = -2, m_dValXMax = 2;       // edits 1034, 1035
    double m_dValYMin = -2, m_dValYMax = 2;       // edits 1036, 1037
    double m_dValZMin = -2, m_dValZMax = 2;       // edits 1040, 1041
    double m_dValInitMin = -2, m_dValInitMax = 2; // edits 1038, 1039
};

// Related parameters of the demonstrations and distributions
// ("函数系数输入对话"). Slider positions in the order a, b, p, mu, sigma,
// alpha, beta, lambda (1001..1008, -500..500), n, m (1035, 1036, 0..500),
// N, M (1037, 1038, 0..1000), h (1024, 1..1000).
class CMyDialog4 {
public:
    static constexpr int kSliderCount = 13;
    int DoModal();

    int m_anSliderPos[kSliderCount] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10};
    double m_dValA = 0.0;        // 1022, -500..500
    double m_dValB = 1.0;        // 1023
    double m_dValP = 0.5;        // 1039
    double m_dValMu = 0.0;       // 1040
    double m_dValSigma = 1.0;    // 1041
    double m_dValLambda = 5.0;   // 1030
    double m_dValAlpha = 5.0;    // 1028
    double m_dValBeta = 10.0;    // 1029
    double m_dValH = 0.01;       // 1043, 0.001..1
    int m_nValUpperN = 50;       // 1033 "N =", 0..1000
    int m_nValUpperM = 20;       // 1042 "M =", 0..1000
    int m_nValLowerN = 10;       // 1031 "n =", 0..500
    int m_nValLowerM = 5;        // 1032 "m =", 0..500
    std::string m_strCurveLabel; // UTF-8, static 1018
    std::string m_strFormula;    // UTF-8, static 1017
};

// Linear system: matrix A (8 x 8) with the right-hand side b in column 8,
// each -500000..500000; epsilon, p, omega (-10..10); the sizes m, n (0..80).
class CMyDialog5 {
public:
    static constexpr int kRows = 8;
    static constexpr int kCols = 9;
    int DoModal();

    double m_adValSystem[kRows][kCols] = {};
    double m_dValEpsilon = 0.01; // 1051
    double m_dValP = 0.5;        // 1052
    int m_nValRows = 8;          // 1192 "m:"
    int m_nValCols = 9;          // 1193 "n:"
    double m_dValOmega = 1.0;    // 1022
};

// Curve parameters x0, y0, A, B, C and the period (edits 1026, 1027,
// 1022..1025, each -50..50) with their sliders 1001..1006 (-5000..5000).
class CMyDialog6 {
public:
    int DoModal();

    int m_anSliderPos[6] = {10, 10, 10, 10, 10, 10};
    double m_dValX0 = 0.0;
    double m_dValY0 = 0.0;
    double m_dValA = 0.0;
    double m_dValB = 1.0;
    double m_dValC = 1.0;
    double m_dValPeriod = 1.0;
};
