// The data dialogs: the sets X and Y (25 values each) and the linear system
// A x = b with its parameters.
#include "dialogs/dialog_data.h"
#include "dialogs/my_dialog_base.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <string>

namespace {

constexpr double kDataLimit = 500000;
constexpr int kDataFields = 25;
constexpr int kDataColumns = 5; // label/edit pairs per row

// 25 labelled edits "x1:".."x25:" with consecutive ids, five to a row.
void LayOutDataEdits(ParamDialog& dlg, const char* letter, int firstId) {
    for (int i = 0; i < kDataFields; ++i) {
        const std::string label = letter + std::to_string(i + 1) + ":";
        const int row = i / kDataColumns, col = 2 * (i % kDataColumns);
        dlg.Body()->addWidget(dlg.MakeLabel(label.c_str()), row, col);
        dlg.Body()->addWidget(dlg.MakeEdit(firstId + i), row, col + 1);
    }
}

// Edit ids of the linear-system grid: row r, columns 0..7 of A, then b.
int SystemEditId(int r, int c) {
    static constexpr int kRow0[CMyDialog5::kCols] = {1045, 1046, 1047, 1048, 1152,
                                                     1160, 1168, 1176, 1184};
    static constexpr int kRow1[CMyDialog5::kCols] = {1049, 1050, 1137, 1145, 1153,
                                                     1161, 1169, 1177, 1185};
    static constexpr int kBase[CMyDialog5::kCols] = {1112, 1120, 1136, 1144, 1152,
                                                     1160, 1168, 1176, 1184};
    if (r == 0) return kRow0[c];
    if (r == 1) return kRow1[c];
    return kBase[c] + r;
}

} // namespace

int CMyDialog1::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    ParamDialog dlg("Dialog", u8"确认", u8"取消");
    LayOutDataEdits(dlg, "x", 1061);
    const int row = kDataFields / kDataColumns;
    dlg.Body()->addWidget(dlg.MakeLabel("n:"), row, 0);
    dlg.Body()->addWidget(dlg.MakeEdit(1193, 24), row, 1);

    for (int i = 0; i < kDataFields; ++i)
        dlg.ExchangeDouble(1061 + i, &m_adValX[i], -kDataLimit, kDataLimit);
    dlg.ExchangeInt(1193, &m_nValCount, 0, 20);
    return dlg.Run();
}

int CMyDialog2::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    ParamDialog dlg("Dialog", u8"确认", u8"取消");
    LayOutDataEdits(dlg, "y", 1031);
    for (int i = 0; i < kDataFields; ++i)
        dlg.ExchangeDouble(1031 + i, &m_adValY[i], -kDataLimit, kDataLimit);
    return dlg.Run();
}

int CMyDialog5::DoModal() {
    if (!ParamDialog::CanRun()) return IDCANCEL;
    ParamDialog dlg("Dialog", u8"确认", u8"取消");
    QGridLayout* grid = dlg.Body();
    grid->addWidget(dlg.MakeLabel(u8"AX=b,ε 或 A,ε,p"), 0, 0, 1, kCols + 1);
    grid->addWidget(dlg.MakeLabel(u8"A(m×n阶矩阵):"), 1, 0, 1, kCols - 1);
    grid->addWidget(dlg.MakeLabel("b:"), 1, kCols - 1);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid->addWidget(dlg.MakeEdit(SystemEditId(r, c), 17), 2 + r, c);

    // The five single fields in a column to the right of the grid.
    struct Single {
        const char* label;
        int id;
    };
    static constexpr Single kSingles[] = {
        {u8"ε:", 1051}, {"p:", 1052}, {"m:", 1192}, {"n:", 1193}, {u8"ω:", 1022},
    };
    int row = 2;
    for (const Single& s : kSingles) {
        grid->addWidget(dlg.MakeLabel(s.label), row, kCols + 1);
        grid->addWidget(dlg.MakeEdit(s.id, 25), row, kCols + 2);
        ++row;
    }

    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            dlg.ExchangeDouble(SystemEditId(r, c), &m_adValSystem[r][c], -kDataLimit, kDataLimit);
    dlg.ExchangeInt(1192, &m_nValRows, 0, 80);
    dlg.ExchangeInt(1193, &m_nValCols, 0, 80);
    dlg.ExchangeDouble(1051, &m_dValEpsilon, -10, 10);
    dlg.ExchangeDouble(1052, &m_dValP, -10, 10);
    dlg.ExchangeDouble(1022, &m_dValOmega, -10, 10);
    return dlg.Run();
}
