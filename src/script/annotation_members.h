// Members of CPemroView: the figure annotation commands of the script.
// Included inside the class body (view/view.h).
// clang-format off

    // --- Shared by the annotation sections (script/annotation_common.cpp) ----
    // Plane commands enabled and the figure placed: the gate of every section.
    BOOL IsAnnotationOn() const;
    // Multiplies the demo increment Δx by a button's factor, kept inside
    // [kStepHMin, kStepHMax] so repeated clicks never reach 0 or infinity.
    void ScaleStepH(double factor);
    // An out-of-range plane point follows the cursor: x outside the range
    // becomes the cursor x; y outside becomes F(x) on an explicit page, else
    // the cursor y.
    void PlanePointOrCursor(double* x, double* y);
    void PlaneYOrCurve(double x, double* y);
    // The formula panel of the planes above the figure, for PLANE and LINE3
    // (script/annotation_planes.cpp).
    void DrawPlanePanel(CDC* pDC, const CString& upper, const CString& lower);

    // --- Lines and points (script/annotation_lines.cpp) ----------------------
    // LINE2: the line through (x0, y0) at the angle m_dRotationAngle.
    void TraceLine2(CDC* pDC, double x0, double y0, double sign);
    // LINE2: θ增/θ减 pressed since the topic was opened: the angle is the
    // lecturer's, no longer the script's.
    BOOL m_bLine2AngleHeld = FALSE;
    // LINE3/Line_Point: the six m/n/p buttons and the three labels.
    void DirectionButtons(CDC* pDC);
    // LINE3/Line_Point: one direction of the coloured trace from P0.
    void TraceSpaceLine(CDC* pDC, double x0, double y0, double z0, double sign, int mode);
    void DrawLine3Plane(CDC* pDC, double x0, double y0, double z0);

    // --- Vectors and points (script/annotation_vectors.cpp) ------------------
    // The outermost point of the region on the ray from (x0, y0) at angle t.
    void BoundaryPointOnRay(double x0, double y0, double t, double* px, double* py);
    void DrawBoundaryArrow(CDC* pDC, int mode, int kind, double t0, double t1, double x0, double y0);
    double InnerPointRadius(double r);

    // --- Differentiation, curvature and chord (script/annotation_calculus.cpp)
    void DifferentiationButtons(CDC* pDC);
    void DrawDifferential(CDC* pDC, double x0, double y0, double x1, double y1, int s1, int s2);
    void DrawCurvatureArc(CDC* pDC);
    void DrawEvolute(CDC* pDC);
    void DrawOsculatingCircle(CDC* pDC);
// clang-format on
