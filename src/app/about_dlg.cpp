#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("关于 Pemro"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    const char* const lines[] = {
        "Pemro 1.0 版",
        "大学理工科数学教学软件开发工具",
        "Pemro 开发组",
        "意见和建议请告诉 Pemro 开发组",
    };
    for (const char* line : lines) text->addWidget(new QLabel(QString::fromUtf8(line), this));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);
    row->addWidget(buttons, 0, Qt::AlignTop);
    setLayout(row);
    setSizeGripEnabled(false);
}
