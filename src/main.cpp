// Pemro: a teaching program for university mathematics.
#include "app/pemro_app.h"
#include "app/soak_driver.h"
#include "platform/profile.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kProfileOrganization));
    QCoreApplication::setApplicationName(QStringLiteral("Pemro"));

    CPemroApp theApp;
    int exitCode = 0;
    if (!theApp.InitInstance(QCoreApplication::arguments(), &exitCode)) return exitCode;
    // Unattended runs under a virtual display (tools/soak.sh).
    if (qEnvironmentVariableIsSet("PEMRO_SOAK"))
        StartSoakDriver(theApp.GetMainWnd(), qEnvironmentVariable("PEMRO_SOAK"));
    return theApp.ExitInstance(app.exec());
}
