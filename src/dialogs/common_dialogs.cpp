#include "dialogs/common_dialogs.h"

#include "platform/fonts.h"
#include "platform/system.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

CommonDialogHooks& Hooks() {
    static CommonDialogHooks hooks;
    return hooks;
}

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

constexpr double kScreenDpi = 96.0; // the size the system dialog reports fonts in

// The font page of Qt's dialog with a colour button below it: the settings
// keep a text colour with each font, so both are chosen in one dialog.
bool RunFontDialog(LOGFONT* font, COLORREF* colour) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("字体"));

    auto* fonts = new QFontDialog(&dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    QFont initial = FontFromLogFont(*font);
    if (initial.pointSizeF() <= 0 && initial.pixelSize() > 0)
        initial.setPointSizeF(initial.pixelSize() * 72.0 / kScreenDpi);
    fonts->setCurrentFont(initial);

    QColor chosen = ToQColor(*colour);
    auto* colourButton = new QPushButton(QStringLiteral("颜色(&C)..."), &dialog);
    auto showColour = [&] {
        QPixmap swatch(24, 12);
        swatch.fill(chosen);
        colourButton->setIcon(QIcon(swatch));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor c = QColorDialog::getColor(chosen, &dialog, QStringLiteral("颜色"));
        if (c.isValid()) {
            chosen = c;
            showColour();
        }
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(colourButton);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(row);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont f = fonts->currentFont();
    double points = f.pointSizeF();
    if (points <= 0) points = f.pixelSize() * 72.0 / kScreenDpi;
    StoreFontChoice(font, f.family().toStdString(), points, f.weight(), f.italic(), f.underline(),
                    f.strikeOut());
    *colour = FromQColor(chosen);
    return true;
}

} // namespace

void SetCommonDialogHooks(CommonDialogHooks hooks) {
    Hooks() = std::move(hooks);
}

bool ChooseColorDialog(COLORREF* colour) {
    if (!colour) return false;
    if (Hooks().colour) return Hooks().colour(colour);
    if (IsHeadless()) return false;
    const QColor c = QColorDialog::getColor(ToQColor(*colour), QApplication::activeWindow(),
                                            QStringLiteral("颜色"));
    if (!c.isValid()) return false;
    *colour = FromQColor(c);
    return true;
}

bool ChooseFontDialog(LOGFONT* font, COLORREF* colour) {
    if (!font || !colour) return false;
    if (Hooks().font) return Hooks().font(font, colour);
    if (IsHeadless()) return false;
    // The dialog works on copies: Cancel leaves the caller's font alone.
    LOGFONT lf = *font;
    COLORREF c = *colour;
    if (!RunFontDialog(&lf, &c)) return false;
    *font = lf;
    *colour = c;
    return true;
}

bool ChooseFileDialog(std::string* gbkPath, const char* filter, const char* defaultExt) {
    if (!gbkPath) return false;
    if (Hooks().file) return Hooks().file(gbkPath);
    if (IsHeadless()) return false;
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("打开"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        QString::fromStdString(QtNameFilters(filter)).split(QStringLiteral(";;")));
    if (defaultExt && *defaultExt) dialog.setDefaultSuffix(QString::fromUtf8(defaultExt));
    dialog.setDirectory(QDir::current()); // the program folder
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    *gbkPath = Gbk(files.first().toStdString());
    return true;
}

std::string QtNameFilters(const char* filter) {
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = filter ? filter : ""; *p; ++p) {
        if (*p == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    parts.push_back(part);

    std::string out;
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        std::string patterns = parts[i + 1];
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        const std::string bracketed = "(" + patterns + ")";
        std::string entry = parts[i];
        const bool hasPatterns =
            entry.size() >= bracketed.size() &&
            entry.compare(entry.size() - bracketed.size(), bracketed.size(), bracketed) == 0;
        if (!hasPatterns) entry += " " + bracketed;
        if (!out.empty()) out += ";;";
        out += entry;
    }
    return out;
}

void StoreFontChoice(LOGFONT* font, const std::string& utf8Family, double pointSize, int weight,
                     bool italic, bool underline, bool strikeOut) {
    if (!font) return;
    // Cut the GBK name to the field without splitting a two-byte character.
    const std::string face = Gbk(utf8Family);
    size_t n = 0;
    while (n < face.size()) {
        const size_t len =
            IsGbkLeadByte(static_cast<unsigned char>(face[n])) && n + 1 < face.size() ? 2 : 1;
        if (n + len > size_t(LF_FACESIZE - 1)) break;
        n += len;
    }
    font->SetFaceName(face.substr(0, n).c_str());
    if (std::isfinite(pointSize) && pointSize > 0 && pointSize < 1000)
        font->lfHeight = -int(std::lround(pointSize * kScreenDpi / 72.0));
    font->lfWidth = 0;
    font->lfWeight = std::clamp(weight, 1, 1000);
    font->lfItalic = italic ? 1 : 0;
    font->lfUnderline = underline ? 1 : 0;
    font->lfStrikeOut = strikeOut ? 1 : 0;
}
