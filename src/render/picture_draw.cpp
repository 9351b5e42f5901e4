// Pictures on the page: the background picture and those a script names.
#include "view/view.h"

#include "platform/file.h"
#include "platform/picture.h"
#include "platform/system.h"

#include <sys/stat.h>

namespace {

// A file that is there and holds something: a missing or empty file simply
// draws nothing, one that holds no picture is reported.
bool IsNonEmptyFile(const CString& path) {
    struct stat st;
    return ::stat(ResolveProgramPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_size > 0;
}

} // namespace

void CPemroView::DrawPicture(CDC* pDC, const CString& path, int x, int y, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || path.empty()) return;
    if (DrawPictureFile(pDC, path, CRect(x, y, x + cx, y + cy))) return;
    if (!IsNonEmptyFile(path)) return;
    // A page repaints often; the message comes once per picture.
    if (m_setFailedPictures.insert(path).second) AfxMessageBox(u8"渲染图像失败！");
}
