// Test entry: a QApplication on the offscreen platform, so fonts, images and
// widgets work without a display.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Tests copy whole window pictures (8 MB at 1920 x 1080) many times over:
    // kept in the heap rather than mapped and given back each time, they
    // cost no page faults, a fifth of the state sweep's time.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
