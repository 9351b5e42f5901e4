// Pictures on the page: the background picture and those a script names.
#include "view/view.h"

#include "platform/picture.h"
#include "platform/system.h"

#include <algorithm>
#include <climits>

namespace {

// The far corner of a box, kept inside the int range.
int FarEdge(int from, int size) {
    return int(std::clamp<long long>(static_cast<long long>(from) + size, INT_MIN, INT_MAX));
}

} // namespace

void CPemroView::DrawPicture(CDC* pDC, const CString& path, int x, int y, int cx, int cy) {
    // A negative size draws the picture mirrored, as the picture renderer does.
    if (cx == 0 || cy == 0 || path.empty()) return;
    if (DrawPictureFile(pDC, path, CRect(x, y, FarEdge(x, cx), FarEdge(y, cy)))) return;
    // A missing or empty file, or one that is no picture, draws nothing; a
    // picture whose data cannot be decoded could not be rendered.
    if (!IsPictureFile(path)) return;
    // A page repaints often; the message comes once per picture.
    if (m_setFailedPictures.insert(path).second) AfxMessageBox(u8"渲染图像失败！");
}
