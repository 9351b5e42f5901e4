// The document of a child window. It carries no data: every page is drawn
// from the topic scripts, and all state lives in the view.
#pragma once

#include <QString>

class CPemroDoc {
public:
    CPemroDoc() = default;

    // A new, untitled document: "Pemro1", "Pemro2" ... in order of creation.
    bool OnNewDocument();
    // Takes the file's name as title; false when the file cannot be read.
    bool OnOpenDocument(const QString& path);

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title) { m_strTitle = title; }
    const QString& GetPathName() const { return m_strPathName; }

private:
    QString m_strTitle;
    QString m_strPathName;
};
