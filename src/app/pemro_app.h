// The application object: start-up, the registration switches and shut-down.
#pragma once

#include "app/main_frame.h"

#include <QStringList>

#include <memory>

class QTranslator;

// Qt's own texts (standard buttons, the colour, font, print and preview
// dialogs) in simplified Chinese: Qt's zh_CN translations, or null when
// they are not installed.
std::unique_ptr<QTranslator> LoadQtTranslations();

class CPemroApp {
public:
    CPemroApp() = default;
    ~CPemroApp();

    // Starts the program for the command line `arguments` (program first).
    // False when it ends here (a registration switch, a failed start) with
    // the exit status in *exitCode; true when the main window is up.
    bool InitInstance(const QStringList& arguments, int* exitCode,
                      CMainFrame::ViewFactory factory = nullptr);
    int ExitInstance(int exitCode);
    CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }

private:
    // Handles "RegServer"/"UnregServer"; false when neither is given.
    bool HandleRegistration(const QStringList& arguments, int* exitCode);

    std::unique_ptr<CMainFrame> m_pMainWnd;
};
