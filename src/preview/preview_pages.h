// The page images of a preview: drawn through the view's printing hooks at
// the size the print draws them, kept while they are shown, and scaled
// smoothly to the size each page shows at.
#pragma once

#include "platform/types.h"

#include <QImage>

#include <map>

class CScrollView;
struct CPrintInfo;

class CPreviewPages {
public:
    CPreviewPages(CScrollView* view, CPrintInfo* info, const QSize& imageSize)
        : m_pView(view), m_pInfo(info), m_size(imageSize) {}

    // Draws the pages of [from, to] that are not drawn yet.
    void Render(UINT from, UINT to);
    // Page `page` scaled to `size`; null when it could not be drawn.
    const QImage* Scaled(UINT page, const QSize& size);
    // Forgets every page but those of [from, to].
    void Keep(UINT from, UINT to);

private:
    CScrollView* m_pView;
    CPrintInfo* m_pInfo;
    QSize m_size;
    std::map<UINT, QImage> m_pages;  // at the print's size
    std::map<UINT, QImage> m_scaled; // at the size last shown
};
