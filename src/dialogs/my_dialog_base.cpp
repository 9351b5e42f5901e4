#include "dialogs/my_dialog_base.h"

#include "dialogs/dialog_data.h"
#include "platform/system.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

ParamDialogHook& Hook() {
    static ParamDialogHook hook;
    return hook;
}

QString IdName(int id) {
    return QString::number(id);
}

// A bound as the range message shows it: 500000, -5, 0.001.
QString Bound(double v) {
    return QString::number(v, 'g', 15);
}

// A double position truncated toward zero and kept inside the slider's
// range (a saved value may be anything, even NaN).
int SliderPosition(double pos, int min, int max) {
    if (!(pos >= min)) return min; // also NaN
    if (pos > max) return max;
    return static_cast<int>(std::trunc(pos));
}

} // namespace

ParamDialog::ParamDialog(const char* title, const char* okText, const char* cancelText)
    : QDialog(QApplication::activeWindow()) {
    setWindowTitle(QString::fromUtf8(title));
    auto* outer = new QVBoxLayout(this);
    m_pBody = new QGridLayout;
    m_pBody->setHorizontalSpacing(6);
    m_pBody->setVerticalSpacing(4);
    outer->addLayout(m_pBody);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QString::fromUtf8(okText), this);
    auto* cancel = new QPushButton(QString::fromUtf8(cancelText), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ParamDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ParamDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
}

int ParamDialog::DialogUnits(int du) const {
    // A horizontal dialog unit is a quarter of the average character width.
    return std::max(1, du * QFontMetrics(font()).averageCharWidth() / 4);
}

QLineEdit* ParamDialog::MakeEdit(int id, int widthDu) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(IdName(id));
    edit->setFixedWidth(DialogUnits(widthDu + 8)); // room for the frame
    return edit;
}

QSlider* ParamDialog::MakeSlider(int id) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(IdName(id));
    slider->setTickPosition(QSlider::NoTicks);
    slider->setMinimumWidth(DialogUnits(60));
    return slider;
}

QLabel* ParamDialog::MakeLabel(const char* utf8) {
    auto* label = new QLabel(QString::fromUtf8(utf8), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* ParamDialog::MakeStatic(int id, const std::string& utf8) {
    auto* label = new QLabel(QString::fromStdString(utf8), this);
    if (id) label->setObjectName(IdName(id));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLineEdit* ParamDialog::FindEdit(int id) const {
    return findChild<QLineEdit*>(IdName(id));
}

QSlider* ParamDialog::FindSlider(int id) const {
    return findChild<QSlider*>(IdName(id));
}

void ParamDialog::ExchangeDouble(int id, double* value, double min, double max) {
    QLineEdit* edit = FindEdit(id);
    if (!edit || !value) return;
    // As many digits as the framework showed; an untouched edit keeps the
    // member itself, so nothing is lost to the text.
    edit->setText(QString::number(*value, 'g', 15));
    m_edits.push_back({edit, edit->text(), value, nullptr, min, max});
}

void ParamDialog::ExchangeInt(int id, int* value, double min, double max) {
    QLineEdit* edit = FindEdit(id);
    if (!edit || !value) return;
    edit->setText(QString::number(*value));
    m_edits.push_back({edit, edit->text(), nullptr, value, min, max});
}

void ParamDialog::AddSlider(int id, double* dPos, int* nPos, int opened, int min, int max) {
    QSlider* slider = FindSlider(id);
    if (!slider) return;
    slider->setRange(min, max);
    slider->setValue(opened);
    m_sliders.push_back({slider, slider->value(), dPos, nPos});
}

void ParamDialog::ExchangeSlider(int id, double* pos, int min, int max) {
    if (pos) AddSlider(id, pos, nullptr, SliderPosition(*pos, min, max), min, max);
}

void ParamDialog::ExchangeSlider(int id, int* pos, int min, int max) {
    if (pos) AddSlider(id, nullptr, pos, std::clamp(*pos, min, max), min, max);
}

void ParamDialog::Fail(const EditField& field, const QString& message) {
    AfxMessageBox(message.toStdString());
    field.edit->setFocus();
    field.edit->selectAll();
}

void ParamDialog::accept() {
    std::vector<double> values(m_edits.size());
    for (size_t i = 0; i < m_edits.size(); ++i) {
        const EditField& f = m_edits[i];
        const bool isInt = f.nValue != nullptr;
        double v = 0;
        if (f.edit->text() == f.shown) {
            v = isInt ? *f.nValue : *f.dValue;
        } else {
            bool ok = false;
            const QString text = f.edit->text().trimmed();
            v = isInt ? text.toInt(&ok) : text.toDouble(&ok);
            if (!ok) {
                Fail(f,
                     isInt ? QStringLiteral("请输入一个整数。") : QStringLiteral("请输入一个数。"));
                return;
            }
        }
        if (!(v >= f.min && v <= f.max)) { // NaN fails too
            const QString kind = isInt ? QStringLiteral("整数") : QStringLiteral("数");
            Fail(f, QStringLiteral("请输入一个介于 %1 和 %2 之间的%3。")
                        .arg(Bound(f.min), Bound(f.max), kind));
            return;
        }
        values[i] = v;
    }
    // Every field passed: store the changed edits and the moved sliders.
    for (size_t i = 0; i < m_edits.size(); ++i) {
        const EditField& f = m_edits[i];
        if (f.edit->text() == f.shown) continue;
        if (f.nValue)
            *f.nValue = static_cast<int>(values[i]);
        else
            *f.dValue = values[i];
    }
    for (const SliderField& s : m_sliders) {
        const int now = s.slider->value();
        if (now == s.opened) continue;
        if (s.nPos)
            *s.nPos = now;
        else
            *s.dPos = now;
    }
    QDialog::accept();
}

bool ParamDialog::CanRun() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    return Hook() || !IsHeadless();
}

int ParamDialog::Run() {
    if (const ParamDialogHook& hook = Hook()) {
        hook(*this);
        return result() == QDialog::Accepted ? IDOK : IDCANCEL;
    }
    if (IsHeadless()) return IDCANCEL;
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void SetParamDialogHook(ParamDialogHook hook) {
    Hook() = std::move(hook);
}

QLineEdit* FindDialogEdit(QDialog& dialog, int id) {
    return dialog.findChild<QLineEdit*>(IdName(id));
}

QSlider* FindDialogSlider(QDialog& dialog, int id) {
    return dialog.findChild<QSlider*>(IdName(id));
}

QLabel* FindDialogStatic(QDialog& dialog, int id) {
    return dialog.findChild<QLabel*>(IdName(id));
}
