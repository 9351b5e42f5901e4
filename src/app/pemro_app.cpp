#include "app/pemro_app.h"

#include "app/child_frame.h"
#include "app/menus.h"
#include "app/registration.h"
#include "platform/fonts.h"
#include "view/view_factory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

std::unique_ptr<QTranslator> LoadQtTranslations() {
    auto translator = std::make_unique<QTranslator>();
    // "qt" is the catalogue that gathers qtbase and the other modules.
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

CPemroApp::~CPemroApp() = default;

bool CPemroApp::HandleRegistration(const QStringList& arguments, int* exitCode) {
    const std::string commandLine = arguments.mid(1).join(QLatin1Char(' ')).toStdString();
    const RegistrationSwitch sw = FindRegistrationSwitch(commandLine);
    if (sw == RegistrationSwitch::None) return false;
    QString error;
    bool ok;
    if (sw == RegistrationSwitch::Register) {
        QString program = QCoreApplication::applicationFilePath();
        if (program.isEmpty() && !arguments.isEmpty())
            program = QFileInfo(arguments.first()).absoluteFilePath();
        ok = RegisterDesktopEntry(program, QDir::currentPath(), &error);
    } else {
        ok = UnregisterDesktopEntry(&error);
    }
    if (!ok) std::fprintf(stderr, "Pemro: %s\n", error.toLocal8Bit().constData());
    *exitCode = ok ? 0 : 1;
    return true;
}

bool CPemroApp::InitInstance(const QStringList& arguments, int* exitCode,
                             CMainFrame::ViewFactory factory) {
    *exitCode = 0;
    if (HandleRegistration(arguments, exitCode)) return false;

    // Face names of scripts and settings map to installed families.
    InstallFaceSubstitutions();

    m_pMainWnd = std::make_unique<CMainFrame>(factory ? std::move(factory) : CreatePageView);
    BuildViewMenus(m_pMainWnd.get());

    // The shell command: a file named on the command line is opened, else a
    // new document. Words after '-' or '/' that name no file are switches.
    QString file;
    for (const QString& arg : arguments.mid(1)) {
        if (QFileInfo(arg).isFile()) {
            file = arg;
            break;
        }
    }
    CChildFrame* child =
        file.isEmpty() ? m_pMainWnd->OnFileNew() : m_pMainWnd->OpenDocumentFile(file);
    if (!child) {
        m_pMainWnd.reset();
        *exitCode = 1;
        return false;
    }
    m_pMainWnd->showMaximized();
    return true;
}

int CPemroApp::ExitInstance(int exitCode) {
    // The recent-file list is stored as it changes; nothing else is kept.
    m_pMainWnd.reset();
    return exitCode;
}
