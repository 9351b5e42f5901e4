#include "preview/preview_pages.h"

#include "platform/print.h"
#include "platform/vector_state.h"

void CPreviewPages::Render(UINT from, UINT to) {
    while (from <= to && m_pages.count(from)) ++from;
    while (to > from && m_pages.count(to)) --to;
    if (from > to) return;
    UINT page = from;
    DrawPrintPages(m_pView, m_pInfo, from, to, m_size, [&](const QImage& image) {
        if (!m_pages.count(page)) m_pages[page] = image.copy();
        m_scaled.erase(page);
        ++page;
        return true;
    });
}

const QImage* CPreviewPages::Scaled(UINT page, const QSize& size) {
    const auto it = m_pages.find(page);
    if (it == m_pages.end() || size.isEmpty()) return nullptr;
    QImage& scaled = m_scaled[page];
    if (scaled.size() != size) {
        const CUpperVectorStateScope cleanVectors; // Qt's scaling
        // Smooth, so a one-pixel line of the page stays visible reduced.
        scaled = it->second.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
    }
    return &scaled;
}

void CPreviewPages::Keep(UINT from, UINT to) {
    for (auto* store : {&m_pages, &m_scaled})
        for (auto it = store->begin(); it != store->end();)
            it = it->first < from || it->first > to ? store->erase(it) : std::next(it);
}
