// Draws the five background pictures of the sample course
// (content/bmp/MYfig1.jpg .. MYfig5.jpg): dark gradients with faint curves
// of the course, so coloured page text stays readable on them. Not part of
// the build; run it by hand when the pictures are to change:
//   g++ -std=c++17 -fPIC tools/make_backgrounds.cpp $(pkg-config --cflags --libs Qt6Gui)
//       -o /tmp/make_backgrounds
//   QT_QPA_PLATFORM=offscreen /tmp/make_backgrounds content/bmp
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kPi = 3.14159265358979323846;

using Curve = std::function<QPointF(double)>;

// A parametric curve t in [t0, t1] as a path.
QPainterPath Trace(const Curve& f, double t0, double t1, int steps) {
    QPainterPath path(f(t0));
    for (int i = 1; i <= steps; ++i) path.lineTo(f(t0 + (t1 - t0) * i / steps));
    return path;
}

void Stroke(QPainter& p, const QPainterPath& path, QColor colour, double width) {
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// 1: night blue, a family of damped sine waves.
void Waves(QPainter& p) {
    QLinearGradient g(0, 0, 0, kHeight);
    g.setColorAt(0, QColor(8, 16, 48));
    g.setColorAt(1, QColor(2, 4, 20));
    p.fillRect(0, 0, kWidth, kHeight, g);
    for (int k = 0; k < 9; ++k) {
        const double base = 80 + k * 55, amp = 30 + 4 * k, freq = 0.012 + 0.002 * k;
        Stroke(p,
               Trace(
                   [&](double x) {
                       return QPointF(x, base + amp * std::exp(-x / 900) * std::sin(freq * x + k));
                   },
                   0, kWidth, 400),
               QColor(60, 110, 200, 70), 1.5);
    }
}

// 2: deep green, concentric circles like the level lines of a paraboloid.
void Levels(QPainter& p) {
    QRadialGradient g(kWidth * 0.3, kHeight * 0.4, kWidth * 0.9);
    g.setColorAt(0, QColor(10, 60, 50));
    g.setColorAt(1, QColor(2, 16, 14));
    p.fillRect(0, 0, kWidth, kHeight, g);
    for (int r = 1; r < 24; ++r) {
        const double rad = 30 * std::sqrt(double(r)) * 4;
        p.setPen(QPen(QColor(80, 180, 150, 50), 1.2));
        p.drawEllipse(QPointF(kWidth * 0.3, kHeight * 0.4), rad, rad * 0.8);
    }
}

// 3: dark violet, Lissajous figures.
void Lissajous(QPainter& p) {
    QLinearGradient g(0, 0, kWidth, kHeight);
    g.setColorAt(0, QColor(40, 10, 50));
    g.setColorAt(1, QColor(10, 4, 24));
    p.fillRect(0, 0, kWidth, kHeight, g);
    const int ratios[][2] = {{3, 2}, {5, 4}, {3, 4}};
    for (int i = 0; i < 3; ++i) {
        const double a = ratios[i][0], b = ratios[i][1], s = 1 - 0.18 * i;
        Stroke(p,
               Trace(
                   [&](double t) {
                       return QPointF(kWidth / 2 + 330 * s * std::sin(a * t + kPi / 4),
                                      kHeight / 2 + 250 * s * std::sin(b * t));
                   },
                   0, 2 * kPi, 1200),
               QColor(170, 100, 210, 60), 1.4);
    }
}

// 4: slate, a polar rose over a faint polar grid.
void Rose(QPainter& p) {
    QLinearGradient g(0, kHeight, kWidth, 0);
    g.setColorAt(0, QColor(18, 24, 32));
    g.setColorAt(1, QColor(40, 50, 64));
    p.fillRect(0, 0, kWidth, kHeight, g);
    const QPointF c(kWidth * 0.65, kHeight * 0.5);
    p.setPen(QPen(QColor(140, 160, 190, 35), 1));
    for (int r = 60; r <= 420; r += 60) p.drawEllipse(c, r, r);
    for (int k = 0; k < 12; ++k) {
        const double t = k * kPi / 6;
        p.drawLine(c, c + QPointF(420 * std::cos(t), 420 * std::sin(t)));
    }
    Stroke(p,
           Trace(
               [&](double t) {
                   const double r = 260 * std::cos(4 * t);
                   return c + QPointF(r * std::cos(t), r * std::sin(t));
               },
               0, 2 * kPi, 1500),
           QColor(150, 190, 230, 80), 1.6);
}

// 5: maroon, the seeds of a sunflower (Fermat's spiral).
void Spiral(QPainter& p) {
    QRadialGradient g(kWidth * 0.75, kHeight * 0.7, kWidth);
    g.setColorAt(0, QColor(70, 16, 20));
    g.setColorAt(1, QColor(16, 4, 6));
    p.fillRect(0, 0, kWidth, kHeight, g);
    const double golden = kPi * (3 - std::sqrt(5.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 150, 120, 45));
    for (int n = 1; n < 900; ++n) {
        const double r = 11 * std::sqrt(double(n)), t = n * golden;
        p.drawEllipse(QPointF(kWidth * 0.75 + r * std::cos(t), kHeight * 0.7 + r * std::sin(t)),
                      3.0, 3.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::function<void(QPainter&)> pictures[] = {Waves, Levels, Lissajous, Rose, Spiral};
    for (int i = 0; i < 5; ++i) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        pictures[i](p);
        p.end();
        const QString path = QStringLiteral("%1/MYfig%2.jpg").arg(dir).arg(i + 1);
        if (!image.save(path, "JPEG", 80)) {
            std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
