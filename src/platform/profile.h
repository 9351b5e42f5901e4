// The program's profile: the File menu's list of recently opened files, kept
// in the desktop's settings store under the key the program always used.
#pragma once

#include <QString>
#include <QStringList>

class CRecentFileList {
public:
    static constexpr int kSize = 4;

    CRecentFileList(); // reads the stored list
    // Puts `path` first (made absolute), dropping an older entry of it and
    // the oldest beyond kSize; the list is stored at once.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }
    // The menu text of entry i: "&1 name" with the path shortened.
    QString MenuText(int i) const;

    void Load();
    void Save() const;

private:
    QStringList m_files;
};

// The settings store of the program (organisation and application names).
extern const char* const kProfileOrganization;
extern const char* const kProfileApplication;
