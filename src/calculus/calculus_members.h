// Members of CPemroView: the calculus demonstrations (limits and the ε-δ
// picture, intervals and the mean value theorems, Taylor polynomials, Fourier
// series). Included inside the class body of CPemroView (view/view.h).
// clang-format off
#include "calculus/integrals_members.h"

    // Whether this pass redraws the figure's graph (a full repaint, or a
    // click on the figure or its controls), so its demonstration must be
    // drawn again over it (sections_calculus.cpp).
    BOOL IsGraphRedrawn() const;

    // --- Limits (limit.cpp) and the ε-δ picture (epsilon_delta.cpp) ---------
    // The approach to x0 (or to ±∞) over the graph just drawn, its verdict
    // and, when the limit exists, the ε-δ or ε-X picture with its buttons.
    void DrawLimit(CDC* pDC, double a, double b);
    // Definition mode: the ε×δ rectangle about the point, or "δ太大了".
    void ShowDeltaTooLarge(CDC* pDC, double eps, double delta);

    // What the approach hands on to the ε-δ picture within one call.
    struct LimitApproach {
        double a = 0, b = 0;  // walk bounds (the implicit branch's measured ends)
        double x0 = 0;        // the limit point
        double tStar = 0;     // parameter of the point (parametric and polar)
        int epsPx = 0;        // ε band half-height in pixels
    };
    BOOL ApproachFinitePoint(CDC* pDC, LimitApproach* ap);
    BOOL ApproachExplicit(CDC* pDC, LimitApproach* ap);
    BOOL ApproachCurve(CDC* pDC, LimitApproach* ap, BOOL bPolar);
    BOOL ApproachImplicit(CDC* pDC, LimitApproach* ap);
    BOOL ApproachInfinity(CDC* pDC);
    double VerdictColumn(size_t cells) const;
    // Writes the verdict of a finite point from the limits L and R found on
    // each side and whether each side has one; FALSE when there is no limit.
    BOOL WriteFiniteLimitVerdict(CDC* pDC, double x0, double L, BOOL bLeft, double R,
                                 BOOL bRight);
    void WriteNoLimit(CDC* pDC, const char* utf8Text);
    // The pause before an animated approach sample at factor f, and its dots.
    void PauseApproach(double f);
    void DrawApproachDots(CDC* pDC, double x, double y, BOOL bLeft);
    // Whether this pass animates the approach: the first time a figure shows
    // it for its page, function, point and kind, and when its plot is
    // clicked. Scrolling, resizing and the repeat pass after a click show all
    // the samples at once instead of pausing again.
    BOOL ShouldAnimateApproach(double x0, double a, double b);

    void DrawEpsilonDelta(CDC* pDC, const LimitApproach& ap);
    void DrawEpsilonBox(CDC* pDC, const LimitApproach& ap, double dl, double dr);
    void DrawEpsilonPieces(CDC* pDC, const LimitApproach& ap, double dl, double dr, double tl,
                           double tr);
    void DrawEpsilonDots(CDC* pDC, const LimitApproach& ap, double dl, double dr);
    void DrawEpsilonX(CDC* pDC, const LimitApproach& ap);
    // "A+ε" above the band's top line and "A-ε" below its bottom line, beside
    // the y axis at x = axisX or elsewhere in the plot, clear of `clear`.
    void DrawBandLabels(CDC* pDC, int topLine, int bottomLine, int axisX,
                        const std::vector<CRect>& clear);
    // The size of a text as the plain strings write it.
    CSize PlainExtent(CDC* pDC, const CString& text) const;
    void RedrawCurveOutsideBand(CDC* pDC, double from, double to);
    void EpsilonDeltaButtons(CDC* pDC);
    void DrawLimitDefinition(CDC* pDC, double x0);
    int LimitPx(double x) const;
    int LimitPy(double y) const;

    // Fields of the limit demonstration that the view's data model does not
    // list: the approaches already animated (a small ring) and whether the
    // running approach pauses between its samples.
    struct AnimatedApproach {
        int figureTop = 0, func = 0, plotMode = 0, infinity = 0, side = 0;
        double x0 = 0, a = 0, b = 0;
        bool used = false;
    };
    static constexpr int kAnimatedApproaches = 8;
    AnimatedApproach m_aAnimatedApproach[kAnimatedApproaches];
    int m_nNextAnimatedApproach = 0;
    BOOL m_bAnimateApproach = FALSE;

    // --- Intervals and the mean value theorems (mean_value.cpp) ---------------
    void DrawRegion(CDC* pDC, double a, double b, int leftEnd, int rightEnd, CString leftLabel,
                    CString rightLabel, int axisOnly);
    // Mode 0: Rolle and Lagrange with their buttons; mode 1: the mean value
    // theorem for integrals.
    void DrawMeanDifferential(CDC* pDC, int mode);
    void DrawIntegralMeanValue(CDC* pDC, double a, double b, double d);
    void MarkMeanPoint(CDC* pDC, double x, double slope, double d, int* k);

    // --- Taylor polynomials (taylor.cpp) ---------------------------------------
    // where 1 expands at the cursor point, anything else at 0.
    void DrawSeries1(CDC* pDC, int where);
    // Fills C[0..n] for the current function about x0; returns the order the
    // table could serve (n or less).
    int TaylorCoefficients(int where, double x0, int n, double* C);

    // --- Fourier series (fourier.cpp) --------------------------------------------
    // The bare coefficient integral of the current function over a period.
    double FourierCoefficient(double k, int kind) const;
    void DrawFourier(CDC* pDC);
    void FourierButtons(CDC* pDC);

    // --- Secants, tangents, tangent plane, contours (tangent3d.cpp) ------------
    // Mode 0 plane curve, 1 space curve, 2 tangent plane, 3 level curve.
    void DrawTangentLine2(CDC* pDC, int mode);
    void DrawPlaneSecant(CDC* pDC);
    void DrawSpaceSecant(CDC* pDC);
    void DrawTangentPlanePatch(CDC* pDC);
    void DrawContourDemo(CDC* pDC);
    // The two arrow panels that step the ends a and b of the curve's interval.
    void DrawInitRangePanels(CDC* pDC);

    // --- Taylor polynomials of two variables (taylor2.cpp) ---------------------
    // nButtons 0 hides the Maclaurin/Taylor switch.
    void DrawSeries2(CDC* pDC, int nButtons);
    void DrawTaylorSolid2(CDC* pDC, int nButtons);
    void DrawQuadraticApprox(CDC* pDC);
    // The polynomial picked with "麦克"/"泰勒" where the script leaves the
    // choice to the user: the command gate clears the sub-demonstration
    // before every command, so the choice is kept here.
    int m_nSeries2Choice = 16;

    // --- Directional limit and directional derivative (direct3d.cpp) ----------
    // The curve of the surface over a ray from (a, b) at the angle θ (P
    // outside the box) or over the segment to P, and its value near (a, b).
    void DrawDirectLimit(CDC* pDC, int nUseCursor, double a, double b, double px, double py, COLORREF crPath, COLORREF crFloor);
    void DirectLimitButtons(CDC* pDC);
    // Samples k = 1..count at (a + k·dx, b + k·dy) on the surface.
    void TraceLimitPath(CDC* pDC, double a, double b, double dx, double dy, long count, COLORREF colour);
    // The section in direction φ at (x0, y0) (the cursor point when x0 is
    // outside the x range) and the tangent from the partial derivatives.
    void DrawDirectDerive(CDC* pDC, double x0, double y0, double phi, COLORREF pen);
    void DrawDirectionSection(CDC* pDC, double x0, double y0, double c, double s);

    // --- Plane patches and pencils of planes (planes3d.cpp) -------------------
    void DrawPlane3(CDC* pDC, int bNormal, double px, double py, double pz, double ux, double uy, double uz, double vx, double vy, double vz, COLORREF crEdge, COLORREF crFill);
    // Mode 0 the pencil, 1 with a third plane, 2 with a line.
    void DrawPlanePencil(CDC* pDC, int mode);
    void DrawPencilStrips(CDC* pDC, int mode, const double* member, const double* p1, const double* p2, double a, double b, double c, double g);
    // The pencil's first plane and the member it last left in the upper
    // plane.
    double m_adPencilP1[3] = {};
    double m_adPencilMember[3] = {};
    BOOL m_bPencilHeld = FALSE;

// clang-format on
// clang-format off

    // --- Plane demonstrations: polygons (polygons.cpp) ------------------------
    void DrawPloygon(CDC* pDC);

    // --- The tangent at a chosen point (tangent.cpp) --------------------------
    void DrawTangentLine2Lower(CDC* pDC, int nDropToXAxis, int nDropToYAxis, int nLabels, COLORREF colour);
    // M and the slope there by the curve kind; FALSE when there is none.
    BOOL TangentPointAndSlope(CDC* pDC, double delta, double* x0, double* y0, double* s);

    // --- Vessels, pressure and work (vessels.cpp) -------------------------------
    void DrawWaterFlow(CDC* pDC, double A, double H);
    void DrawVesselPicture(CDC* pDC, double A, double H);
    void DrawDrainCurve(CDC* pDC, double H);
    double VesselRadiusAt(double y) const;
    void DrawVesselRing(CDC* pDC, double cx, double y, COLORREF colour);
    void DrawVesselSurface(CDC* pDC, double cx, double y);
    void DrawVesselLevel(CDC* pDC, double cx, double y, COLORREF colour);
    void DrawVesselWall(CDC* pDC, double cx, double from, double to, COLORREF rim);
    void DrawIntegralApp(CDC* pDC, int option);
    void DrawWaterUpTo(CDC* pDC, double surface);
    void DrawPumpingPicture(CDC* pDC, double cx);
    void DrawLiftingPicture(CDC* pDC, double cx);
    void DrawLabelBesideLevels(CDC* pDC, double level, const char* text, COLORREF colour);
    void DrawPlatePicture(CDC* pDC);
    void DrawAttractionPicture(CDC* pDC);
    // ∫ K(p)·(c − p) over [a, b] by five-point Gauss panels: mode 1 or 2 with
    // K = F, 3 with K = f − g, 4 with K = g; other modes give 0.
    double IntegrateGauss5(double a, double b, int n, int mode, double c) const;
    // The pressure and work values of "PRNCalculus" (kinds 1..4).
    void DrawWaterPressureWork(CDC* pDC, double x, double y, int kind, double a, double b, double c, int n, COLORREF colour);

    // --- Forced vibration (vibration.cpp) ---------------------------------------
    void DrawVibration(CDC* pDC);
    void DrawVibrationFrame(CDC* pDC, double u);
    void VibrationButtons(CDC* pDC);
    // A run of the spring kept between passes: the state at the start of
    // each frame, with every input it was computed from. A repaint with the
    // same inputs reuses it, a longer run continues it; two are kept, for a
    // page with two springs.
    struct VibrationRun {
        static constexpr int kFrames = 160;
        static constexpr int kKeySize = 48;
        double key[kKeySize] = {};
        int known = 0; // the frame starts computed
        double u[kFrames] = {}, v[kFrames] = {};
    };
    VibrationRun m_aVibrationRuns[2];
    int m_nNextVibrationRun = 0;
    VibrationRun& VibrationRunFor(double u0);
    void ExtendVibrationRun(VibrationRun* run, int frame);

    // --- A ball on a plane curve (ball_curve.cpp) ----------------------------------
    void DrawSphereCurveMove(CDC* pDC);
    void BallCurveButtons(CDC* pDC);
    void BallCentre(double x, double* cx, double* cy) const;

    // --- Sequences (sequences.cpp) -------------------------------------------------
    void DrawSequence(CDC* pDC, int mode);
    double SequenceTerm(double x) const;
    void SequenceHeader(CDC* pDC);
    void DrawSequencePlane(CDC* pDC, int mode);
    void DrawSequenceTerms(CDC* pDC);
    void DrawBifurcation(CDC* pDC, int plane);
    void SequencePlaneButtons(CDC* pDC, int mode);
    void SequenceReadingButtons(CDC* pDC, int x1, int y1, int x2, int y2);
    void DrawSequenceBars(CDC* pDC);
    void DrawSequenceTable(CDC* pDC);
    void DrawSequenceAxis(CDC* pDC);
    void DrawSequenceOnAxis(CDC* pDC);
    void DrawSequenceLimitOnAxis(CDC* pDC, int mode);
    void DrawEpsilonNBand(CDC* pDC, double A, bool recursion);
    void SequenceAxisControls(CDC* pDC);

    // --- Colour planes (complex_iteration.cpp) ----------------------------------------
    void DrawComplexIteration(CDC* pDC);
    void DrawPlaneIteration(CDC* pDC);
    void ScanComplexPlane(CDC* pDC, int plane, BOOL bOwnPlane);
    void ScanPlaneMap(CDC* pDC);
    // `inputs` keys what the iteration reads besides n and the plot's
    // geometry (null: nothing to key it by, no memo).
    template <class Iterate>
    void ScanPlot(CDC* pDC, const unsigned long long* inputs, Iterate iterate);
    // The ends of the last scans (steps · 4 + 2 · escaped + settled per
    // pixel, by rows), keyed by everything they depend on: a pass that
    // repaints an unchanged plane paints them without iterating again.
    struct ScanMemo {
        unsigned long long key = 0;
        bool known = false;
        int left = 0, top = 0, right = -1, bottom = -1;
        std::vector<int> ends;
    };
    static constexpr int kScanMemos = 2;
    ScanMemo m_aScanMemo[kScanMemos];
    int m_nScanMemoNext = 0;
    // The rows a scan stopped at its pass budget has done so far, its ends
    // by rows as in ScanMemo, for the continuation that goes on with it.
    struct PartialScan {
        unsigned long long key = 0;
        int rowsDone = 0;
        std::chrono::nanoseconds rowCost{0}; // processor time of its last row
        std::vector<int> ends;
    };
    PartialScan m_scanPart;
    long long m_nScanRowsComputed = 0; // rows iterated since the view was made
    // Fills escape[0..steps] and settle[0..steps].
    void IterationColours(int steps, COLORREF* escape, COLORREF* settle) const;
    void ClampIterationSteps();
    // The colour dialog runs after the pass that asked for it, never inside.
    void OnPassEnded() override;
    int m_nPendingColourSlot = -1;

    // --- Least squares (least_squares.cpp) -----------------------------------
    void DrawLeastSquareMethod(CDC* pDC, int model, int count);
    int LeastSquarePoints(int count);
    void LeastSquareButtons(CDC* pDC, int model, int count, int N);

    // --- A right circular cone (cone3d.cpp) ------------------------------------------
    void DrawCircularCone(CDC* pDC, double a1, double a2, double a3, double b1, double b2, double b3, double r, COLORREF pen, COLORREF fill);

    // --- A ball on a surface (ball_surface.cpp) --------------------------------------
    void DrawSphereSurfMove(CDC* pDC);
    // One Runge-Kutta step of the ball on the surface m_nSurfaceUpper; the
    // state after it goes to m_adStepResult[0..3] = x, y, u, v.
    void StepBallOnSurface(double x, double y, double u, double v, double k);
    // Partial derivatives of EvalSurfaceF at surface index k.
    double SurfaceDx(double x, double y, int k);
    double SurfaceDy(double x, double y, int k);
    double SurfaceDxx(double x, double y, int k);
    double SurfaceDxy(double x, double y, int k);
    double SurfaceDyy(double x, double y, int k);
    void BallSurfaceCentre(double x, double y, double z, double fx, double fy, double* c) const;
    // The motion with its trail; returns the frames drawn.
    int RunBallOnSurface(CDC* pDC);
    // The contact point of each frame of a run, kept with every input of
    // the run: a repaint draws the trail again without running it.
    struct BallTrail {
        std::vector<double> key;
        std::vector<double> x, y;
    };
    BallTrail m_aBallTrails[2];
    int m_nNextBallTrail = 0;
    // The run's kept trail (*fresh: still to be filled), or null where an
    // input cannot be keyed: no surface pass holds the coefficients, or a
    // surface is built on other state (expansions, profiles, curves).
    BallTrail* BallTrailFor(bool* fresh);
    void BallSurfaceButtons(CDC* pDC);
    void BallSurfaceLabels(CDC* pDC);

// clang-format on
