// The dialogs of ranges and parameters: the plot ranges, the related
// parameters of the demonstrations and distributions, the curve parameters.
#include "dialogs/dialog_data.h"
#include "dialogs/my_dialog_base.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

// One labelled value with its slider and range caption.
template <class Dialog> struct SliderRow {
    const char* label;
    int editId;
    int sliderId;
    const char* caption;
    double Dialog::*value;
};

template <class Dialog, size_t N>
void LayOutSliderRows(ParamDialog& dlg, const SliderRow<Dialog> (&rows)[N], int firstRow,
                      int firstCol) {
    int row = firstRow;
    for (const SliderRow<Dialog>& r : rows) {
        dlg.Body()->addWidget(dlg.MakeLabel(r.label), row, firstCol);
        dlg.Body()->addWidget(dlg.MakeEdit(r.editId), row, firstCol + 1);
        dlg.Body()->addWidget(dlg.MakeSlider(r.sliderId), row, firstCol + 2);
        dlg.Body()->addWidget(dlg.MakeStatic(0, r.caption), row, firstCol + 3);
        ++row;
    }
}

constexpr double kRangeLimit = 500000;

} // namespace

// --- Ranges ---------------------------------------------------------------

int CMyDialog3::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    ParamDialog dlg("Dialog", u8"确定", u8"取消");
    QGridLayout* grid = dlg.Body();
    grid->addWidget(dlg.MakeStatic(0, "min"), 0, 1, 1, 2);
    grid->addWidget(dlg.MakeStatic(0, "max"), 0, 3, 1, 2);

    struct RangeRow {
        const char* label;
        int minEdit, minSlider, maxEdit, maxSlider;
    };
    static constexpr RangeRow kRows[] = {
        {u8"横坐标:", 1034, 1001, 1035, 1002},
        {u8"纵坐标:", 1036, 1003, 1037, 1004},
        {u8"竖坐标:", 1040, 1007, 1041, 1008},
        {u8"初始值:", 1038, 1005, 1039, 1006},
    };
    int row = 1;
    for (const RangeRow& r : kRows) {
        grid->addWidget(dlg.MakeLabel(r.label), row, 0);
        grid->addWidget(dlg.MakeEdit(r.minEdit), row, 1);
        grid->addWidget(dlg.MakeSlider(r.minSlider), row, 2);
        grid->addWidget(dlg.MakeEdit(r.maxEdit), row, 3);
        grid->addWidget(dlg.MakeSlider(r.maxSlider), row, 4);
        ++row;
    }

    struct Field {
        int id;
        double CMyDialog3::*value;
    };
    static constexpr Field kFields[] = {
        {1034, &CMyDialog3::m_dValXMin},    {1035, &CMyDialog3::m_dValXMax},
        {1036, &CMyDialog3::m_dValYMin},    {1037, &CMyDialog3::m_dValYMax},
        {1038, &CMyDialog3::m_dValInitMin}, {1039, &CMyDialog3::m_dValInitMax},
        {1040, &CMyDialog3::m_dValZMin},    {1041, &CMyDialog3::m_dValZMax},
    };
    for (const Field& f : kFields)
        dlg.ExchangeDouble(f.id, &(this->*f.value), -kRangeLimit, kRangeLimit);
    for (int i = 0; i < 8; ++i) dlg.ExchangeSlider(1001 + i, &m_adSliderPos[i], -50, 50);
    return dlg.Run();
}

// --- Related parameters ---------------------------------------------------

int CMyDialog4::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    using D = CMyDialog4;
    ParamDialog dlg(u8"函数系数输入对话", u8"确定", u8"取消");
    static constexpr SliderRow<D> kLeft[] = {
        {"a =", 1022, 1001, "-5 : 5", &D::m_dValA},
        {"b =", 1023, 1002, "-5 : 5", &D::m_dValB},
        {"p =", 1039, 1003, "-5 : 5", &D::m_dValP},
        {u8"μ=", 1040, 1004, "-5 : 5", &D::m_dValMu},
        {u8"σ=", 1041, 1005, "-5 : 5", &D::m_dValSigma},
        {u8"α=", 1028, 1006, "-5 : 5", &D::m_dValAlpha},
        {u8"β=", 1029, 1007, "-5 : 5", &D::m_dValBeta},
    };
    static constexpr SliderRow<D> kRightReal[] = {
        {"h =", 1043, 1024, "0.01:1", &D::m_dValH},
        {u8"λ=", 1030, 1008, "-5 : 5", &D::m_dValLambda},
    };
    struct CountRow {
        const char* label;
        int editId, sliderId;
        const char* caption;
        int D::*value;
        int max;
    };
    static constexpr CountRow kCounts[] = {
        {"n =", 1031, 1035, "0 : 500", &D::m_nValLowerN, 500},
        {"m =", 1032, 1036, "0: 500", &D::m_nValLowerM, 500},
        {"N =", 1033, 1037, "0 : 1000", &D::m_nValUpperN, 1000},
        {"M =", 1042, 1038, "0: 1000", &D::m_nValUpperM, 1000},
    };

    QGridLayout* grid = dlg.Body();
    LayOutSliderRows(dlg, kLeft, 0, 0);
    grid->setColumnMinimumWidth(4, 12);
    LayOutSliderRows(dlg, kRightReal, 0, 5);
    int row = 2;
    for (const CountRow& c : kCounts) {
        grid->addWidget(dlg.MakeLabel(c.label), row, 5);
        grid->addWidget(dlg.MakeEdit(c.editId), row, 6);
        grid->addWidget(dlg.MakeSlider(c.sliderId), row, 7);
        grid->addWidget(dlg.MakeStatic(0, c.caption), row, 8);
        ++row;
    }
    grid->addWidget(dlg.MakeStatic(1018, m_strCurveLabel), 7, 0, 1, 2);
    QLabel* formula = dlg.MakeStatic(1017, m_strFormula);
    formula->setWordWrap(true);
    grid->addWidget(formula, 7, 2, 1, 7);

    // Checks in the order a, b, p, mu, sigma, lambda, alpha, beta; the
    // counts; h.
    static constexpr int kRealOrder[] = {1022, 1023, 1039, 1040, 1041, 1030, 1028, 1029};
    static constexpr double D::*kRealValues[] = {&D::m_dValA,     &D::m_dValB,     &D::m_dValP,
                                                 &D::m_dValMu,    &D::m_dValSigma, &D::m_dValLambda,
                                                 &D::m_dValAlpha, &D::m_dValBeta};
    for (int i = 0; i < 8; ++i)
        dlg.ExchangeDouble(kRealOrder[i], &(this->*kRealValues[i]), -500, 500);
    for (const CountRow& c : kCounts) dlg.ExchangeInt(c.editId, &(this->*c.value), 0, c.max);
    dlg.ExchangeDouble(1043, &m_dValH, 0.001, 1);

    // Sliders in member order: 1001..1008, the counts, h. The count sliders
    // span the ranges their captions name, so a slider cannot give a
    // negative count.
    for (int i = 0; i < 8; ++i) dlg.ExchangeSlider(1001 + i, &m_anSliderPos[i], -500, 500);
    for (int i = 0; i < 4; ++i)
        dlg.ExchangeSlider(kCounts[i].sliderId, &m_anSliderPos[8 + i], 0, kCounts[i].max);
    dlg.ExchangeSlider(1024, &m_anSliderPos[12], 1, 1000);
    return dlg.Run();
}

// --- Curve parameters -----------------------------------------------------

int CMyDialog6::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    using D = CMyDialog6;
    ParamDialog dlg("Dialog", "OK", "Cancel");
    static constexpr SliderRow<D> kRows[] = {
        {"x0 =", 1026, 1001, "-50 : 50", &D::m_dValX0},
        {"y0 =", 1027, 1002, "-50 : 50", &D::m_dValY0},
        {"A", 1022, 1003, "-50 : 50", &D::m_dValA},
        {"B", 1023, 1004, "-50 : 50", &D::m_dValB},
        {"C", 1024, 1005, "-50 : 50", &D::m_dValC},
        {u8"周期", 1025, 1006, "-50 : 50", &D::m_dValPeriod},
    };
    LayOutSliderRows(dlg, kRows, 0, 0);
    for (const auto& r : kRows) dlg.ExchangeDouble(r.editId, &(this->*r.value), -50, 50);
    for (int i = 0; i < 6; ++i)
        dlg.ExchangeSlider(kRows[i].sliderId, &m_anSliderPos[i], -5000, 5000);
    return dlg.Run();
}
