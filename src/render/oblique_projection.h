// The oblique projection of a view read once, for figures that project
// hundreds of thousands of points a pass: CPemroView::ProjectPoint3D is this
// same arithmetic, so both give the very same pixels.
#pragma once

#include "view/view.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// TurnPoint3D's turn about (cx, cy) by the angle whose cosine is c and sine s.
inline void TurnAbout(double cx, double cy, double c, double s, double* x, double* y) {
    const double dx = *x - cx, dy = *y - cy;
    *x = cx + c * dx - s * dy;
    *y = cy + s * dx + c * dy;
}

// The cosine and sine of a turn's angle, kept from the last angle asked:
// a turned scene projects every point through the same angle.
inline void TurnCosSin(double angle, double* c, double* s) {
    thread_local double lastAngle = 0, lastCos = 1, lastSin = 0;
    if (!(angle == lastAngle))
        lastAngle = angle, lastCos = std::cos(angle), lastSin = std::sin(angle);
    *c = lastCos, *s = lastSin;
}

class ObliqueProjection {
public:
    explicit ObliqueProjection(const CPemroView& v)
        : view_(v), k_(v.m_dObliqueFactor), xMin_(v.m_dXMin), yMin_(v.m_dYMin), zMin_(v.m_dZMin),
          xSpan_(v.m_dXSpan), ySpan_(v.m_dYSpan), zSpan_(v.m_dZSpan), scaleX_(v.m_nProjScaleX),
          scaleY_(v.m_nProjScaleY), scaleZ_(v.m_nProjScaleZ), originX_(v.m_nProjOriginX),
          originY_(v.m_nProjOriginY), turned_(v.m_dRotationAngle != 0),
          arranged_(v.m_nAxisArrangement == 2 || v.m_nAxisArrangement == 3) {
        if (turned_) {
            turnX_ = (v.m_dXMin + v.m_dXMax) / 2, turnY_ = (v.m_dYMin + v.m_dYMax) / 2;
            TurnCosSin(v.m_dRotationAngle, &cos_, &sin_);
        }
    }

    // TurnPoint3D then ArrangeAxes3D, left out where they change nothing.
    void Place(double* x, double* y, double* z) const {
        if (turned_) TurnAbout(turnX_, turnY_, cos_, sin_, x, y);
        if (arranged_) view_.ArrangeAxes3D(x, y, z);
    }

    // Inline: a call per point would cost as much as the arithmetic.
    [[gnu::always_inline]] bool Project(double x, double y, double z, int* sx, int* sy) const {
        const double alongZ = (z - zMin_) * scaleZ_;
        double upZ;
        // Points often come in pairs over one (x, y) (two surfaces over a
        // plane): their shared terms are kept from the last point.
        if (!(x == x_ && y == y_)) {
            x_ = x, y_ = y;
            const double alongX = (x - xMin_) * scaleX_, backX = (x - xMin_) * k_ * scaleX_;
            const double alongY = (y - yMin_) * scaleY_;
#if defined(__SSE2__)
            // The four quotients two at a time: each lane divides exactly
            // as the scalar division does, in half the divider's time.
            double q[4];
            _mm_storeu_pd(q, _mm_div_pd(_mm_set_pd(backX, alongY), _mm_set_pd(xSpan_, ySpan_)));
            _mm_storeu_pd(q + 2,
                          _mm_div_pd(_mm_set_pd(alongZ, alongX), _mm_set_pd(zSpan_, xSpan_)));
            alongY_ = q[0], backX_ = q[1], downX_ = q[2], upZ = q[3];
#else
            alongY_ = alongY / ySpan_, backX_ = backX / xSpan_, downX_ = alongX / xSpan_;
            upZ = alongZ / zSpan_;
#endif
        } else {
            upZ = alongZ / zSpan_;
        }
        const double ox = alongY_ - backX_;
        const double oy = downX_ - upZ;
        if (!IsDrawable(ox) || !IsDrawable(oy)) return false;
        *sx = originX_ + ToPixel(ox);
        *sy = originY_ + ToPixel(oy);
        return true;
    }

private:
    const CPemroView& view_;
    const double k_, xMin_, yMin_, zMin_, xSpan_, ySpan_, zSpan_;
    const double scaleX_, scaleY_, scaleZ_;
    const int originX_, originY_;
    const bool turned_, arranged_;
    double turnX_ = 0, turnY_ = 0, cos_ = 1, sin_ = 0;
    // The last point's (x, y) and its terms; NaN matches no point.
    mutable double x_ = std::nan(""), y_ = std::nan("");
    mutable double alongY_ = 0, backX_ = 0, downX_ = 0;
};
