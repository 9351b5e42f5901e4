#include "app/pemro_doc.h"

#include <QFileInfo>

namespace {
int g_nUntitledCount = 0; // as the document template counts
} // namespace

bool CPemroDoc::OnNewDocument() {
    m_strPathName.clear();
    m_strTitle = QStringLiteral("Pemro%1").arg(++g_nUntitledCount);
    return true;
}

bool CPemroDoc::OnOpenDocument(const QString& path) {
    // Nothing is read from the file; it only has to be there to be opened.
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    m_strPathName = info.absoluteFilePath();
    m_strTitle = info.fileName();
    return true;
}
