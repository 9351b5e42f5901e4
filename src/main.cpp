// Pemro: a teaching program for university mathematics.
#include "app/pemro_app.h"
#include "app/soak_driver.h"
#include "platform/fonts.h"
#include "platform/profile.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kProfileOrganization));
    QCoreApplication::setApplicationName(QStringLiteral("Pemro"));
    const std::unique_ptr<QTranslator> qtTexts = LoadQtTranslations();
    if (qtTexts) QCoreApplication::installTranslator(qtTexts.get());
    QApplication::setFont(InterfaceFont(QApplication::font()));

    CPemroApp theApp;
    int exitCode = 0;
    if (!theApp.InitInstance(QCoreApplication::arguments(), &exitCode)) return exitCode;
    // Unattended runs under a virtual display (tools/soak.sh).
    if (qEnvironmentVariableIsSet("PEMRO_SOAK"))
        StartSoakDriver(theApp.GetMainWnd(), qEnvironmentVariable("PEMRO_SOAK"));
    return theApp.ExitInstance(app.exec());
}
