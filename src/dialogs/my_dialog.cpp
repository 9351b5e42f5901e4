// The coefficient dialog "函数系数输入对话": a..f, alpha, beta with their
// sliders, the function number, the curve's name and formula.
#include "dialogs/dialog_data.h"
#include "dialogs/my_dialog_base.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

struct CoefRow {
    const char* label;
    int editId;
    int sliderId;
    double CMyDialog::*value;
};

constexpr CoefRow kCoefRows[] = {
    {"a =", 1022, 1001, &CMyDialog::m_dValA},    {"b =", 1023, 1002, &CMyDialog::m_dValB},
    {"c =", 1024, 1003, &CMyDialog::m_dValC},    {"d =", 1025, 1004, &CMyDialog::m_dValD},
    {"e =", 1026, 1005, &CMyDialog::m_dValE},    {"f =", 1027, 1006, &CMyDialog::m_dValF},
    {"α=", 1028, 1007, &CMyDialog::m_dValAlpha}, {"β=", 1029, 1008, &CMyDialog::m_dValBeta},
};

constexpr int kFunctionEdit = 1030;
constexpr int kFormulaText = 1017;
constexpr int kCurveLabelText = 1018;
constexpr int kIndexRangeText = 1019;
constexpr double kCoefLimit = 500;
constexpr int kSliderLimit = 500;

} // namespace

int CMyDialog::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    ParamDialog dlg(u8"函数系数输入对话", u8"确定", u8"取消");
    QGridLayout* grid = dlg.Body();

    int row = 0;
    for (const CoefRow& r : kCoefRows) {
        grid->addWidget(dlg.MakeLabel(r.label), row, 0);
        grid->addWidget(dlg.MakeEdit(r.editId), row, 1);
        grid->addWidget(dlg.MakeSlider(r.sliderId), row, 2);
        grid->addWidget(dlg.MakeStatic(0, "-5 : 5"), row, 3);
        ++row;
    }
    grid->setColumnMinimumWidth(4, 12);
    grid->addWidget(dlg.MakeLabel(u8"选择函数"), 0, 5);
    grid->addWidget(dlg.MakeEdit(kFunctionEdit), 1, 5);
    grid->addWidget(dlg.MakeStatic(kIndexRangeText, m_strIndexRange), 2, 5);
    grid->addWidget(dlg.MakeStatic(kCurveLabelText, m_strCurveLabel), row, 0, 1, 2);
    QLabel* formula = dlg.MakeStatic(kFormulaText, m_strFormula);
    formula->setWordWrap(true);
    grid->addWidget(formula, row, 2, 1, 4);

    for (const CoefRow& r : kCoefRows)
        dlg.ExchangeDouble(r.editId, &(this->*r.value), -kCoefLimit, kCoefLimit);
    dlg.ExchangeInt(kFunctionEdit, &m_nValFunction, 0, 100);
    for (int i = 0; i < 8; ++i)
        dlg.ExchangeSlider(kCoefRows[i].sliderId, &m_adSliderPos[i], -kSliderLimit, kSliderLimit);
    return dlg.Run();
}
