// The About box: what the program is and who made it.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
