// Paces an animation that a paint pass draws frame after frame into the
// view's backing image: each shown frame goes to the screen and is held for
// a moment. A run never takes more than a few seconds: long runs show every
// k-th frame only, and a run out of time stops. Without a window (tests,
// tools) or when not live (printing, repaints that only restore the last
// frame) nothing is shown and nothing waits.
#pragma once


class CScrollView;

class CFramePresenter {
public:
    static constexpr int kFrameMs = 30;    // the hold of one shown frame
    static constexpr int kBudgetMs = 3000; // the longest run
    static constexpr long kMaxShownFrames = kBudgetMs / kFrameMs;

    // `frames` is the number of frames the run will draw (an estimate).
    CFramePresenter(CScrollView* view, long frames, bool live);

    // Whether frame `i` (0-based) is one to draw: every frame of a short
    // run, every k-th of a long one, and always the last.
    bool Draws(long i) const;
    // Shows the image and holds it; FALSE once the run is out of time.
    bool Present();
    bool IsLive() const { return m_bLive; }
    int Presented() const { return m_nPresented; }

private:
    CScrollView* m_pView;
    bool m_bLive;
    long m_nFrames;
    long m_nStride;
    int m_nPresented = 0;
    long m_nStartCpuMs; // the drawing thread's processor time at the start
};
