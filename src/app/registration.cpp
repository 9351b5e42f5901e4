#include "app/registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <strings.h>

namespace {

const char kSwitchLeaders[] = "-/";

// A desktop-entry argument: quoted when it needs it, with the characters
// the format reserves inside quotes escaped.
QString QuoteExecArgument(const QString& arg) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = arg.isEmpty();
    for (QChar c : arg) needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes) return arg;
    QString quoted;
    for (QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // In the Exec key a backslash itself is escaped once more.
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Line breaks would end the key early.
QString KeyValue(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return value;
}

} // namespace

const char* FindOneOf(const char* p1, const char* p2) {
    if (!p1 || !p2) return nullptr;
    for (; *p1; ++p1)
        if (std::strchr(p2, *p1)) return p1 + 1;
    return nullptr;
}

RegistrationSwitch FindRegistrationSwitch(const std::string& commandLine) {
    for (const char* token = FindOneOf(commandLine.c_str(), kSwitchLeaders); token;
         token = FindOneOf(token, kSwitchLeaders)) {
        const size_t length = std::strcspn(token, " \t");
        const std::string word(token, length);
        if (::strcasecmp(word.c_str(), "UnregServer") == 0) return RegistrationSwitch::Unregister;
        if (::strcasecmp(word.c_str(), "RegServer") == 0) return RegistrationSwitch::Register;
    }
    return RegistrationSwitch::None;
}

QString DesktopEntryPath() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // XDG directories must be absolute; a relative one is ignored.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/applications/pemro.desktop");
}

bool RegisterDesktopEntry(const QString& programPath, const QString& workDir, QString* error) {
    const QString path = DesktopEntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error) *error = QStringLiteral("cannot create %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=数学物理方法教学软件\n");
    text += QStringLiteral("Exec=%1\n").arg(QuoteExecArgument(programPath));
    // The program reads its course from the folder it was registered in.
    text += QStringLiteral("Path=%1\n").arg(KeyValue(workDir));
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Categories=Education;Math;\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool UnregisterDesktopEntry(QString* error) {
    const QString path = DesktopEntryPath();
    if (!QFileInfo::exists(path) || QFile::remove(path)) return true;
    if (error) *error = QStringLiteral("cannot remove %1").arg(path);
    return false;
}
