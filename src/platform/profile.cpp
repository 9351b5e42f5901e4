#include "platform/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

const char* const kProfileOrganization = "Local AppWizard-Generated Applications";
const char* const kProfileApplication = "Pemro";

namespace {

const char* const kGroup = "Recent File List";
// Menu entries longer than this show the file name and as much of the
// folder as fits.
constexpr int kMaxMenuChars = 40;

QString EntryKey(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}

bool SamePath(const QString& a, const QString& b) {
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

CRecentFileList::CRecentFileList() {
    Load();
}

void CRecentFileList::Load() {
    m_files.clear();
    QSettings store(QString::fromLatin1(kProfileOrganization),
                    QString::fromLatin1(kProfileApplication));
    store.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kSize; ++i) {
        const QString path = store.value(EntryKey(i)).toString();
        if (!path.isEmpty()) m_files << path;
    }
}

void CRecentFileList::Save() const {
    QSettings store(QString::fromLatin1(kProfileOrganization),
                    QString::fromLatin1(kProfileApplication));
    store.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            store.setValue(EntryKey(i), m_files[i]);
        else
            store.remove(EntryKey(i));
    }
}

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty()) return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeIf([&](const QString& f) { return SamePath(f, absolute); });
    m_files.prepend(absolute);
    while (m_files.size() > kSize) m_files.removeLast();
    Save();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.removeIf([&](const QString& f) { return SamePath(f, path); });
    Save();
}

QString CRecentFileList::MenuText(int i) const {
    if (i < 0 || i >= m_files.size()) return QString();
    QString shown = QDir::toNativeSeparators(m_files[i]);
    if (shown.size() > kMaxMenuChars) {
        const QString name = QFileInfo(m_files[i]).fileName();
        const int keep = kMaxMenuChars - int(name.size()) - 4;
        shown =
            keep > 0 ? shown.left(keep) + QStringLiteral("...") + QDir::separator() + name : name;
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
}
