// Members of CPemroView: the general function graph, its panels, the classical
// curves and the drawing tools. Included inside the class body (view/view.h).
// clang-format off

    // --- The general function graph (graph_function.cpp, graph_curve.cpp) ----
    // The standard plane figure: frame, controls, labels, the current curve,
    // axes, ticks and the user's shapes. nDetail -1 lays out only; 0 draws
    // everything; 1 leaves out the tick numbers; 2 also the curve; 3 also the
    // arrows, period buttons, axes and ticks.
    void DrawFunctionGraph(CDC* pDC, int bKeepBackground, int nDetail, double dFrom, double dTo,
                           CString strXLabel, CString strYLabel);
    // Shrinks the plot box from its right or bottom edge so that a unit of x
    // and a unit of y take the same pixels; a side keeps half its length and
    // the range boxes' reach, its axis then showing more about the range.
    void EqualizePlotUnits();
    // The graph's ticks, and with bNumbers their numbers, each the value
    // of its tick, clear of the "恢复" button drawn in restoreBox.
    void DrawGraphTicks(CDC* pDC, BOOL bNumbers, int nXDecimals, int nXDigits, int nYDecimals,
                        const CRect& restoreBox);
    // The box the y axis's name takes at the top of the plot when the graph
    // draws its axes (both ranges hold 0); an empty box otherwise.
    CRect YAxisNameBox() const;
    // x, or right of the y axis's name where a box of that size at (x, y)
    // would cover it.
    int ClearOfYAxisName(int x, int y, int w, int h) const;
    // The same for a button at the plot's top.
    int ButtonClearOfYAxisName(int x, const CString& label) const;
    // The current function by m_nPlotMode, with derivatives and marks.
    void DrawGraphCurve(CDC* pDC, double dFrom, double dTo);
    void DrawGraphCurveExplicit(CDC* pDC, double dFrom, double dTo);
    void DrawGraphCurveParametric(CDC* pDC, double dFrom, double dTo, BOOL bPolar);
    void DrawGraphCurveImplicit(CDC* pDC);
    void DrawDiscontinuityMarks(CDC* pDC, double dFrom, double dTo);
    // A curve's segment between two pixels, as DrawLineWorld strokes it.
    struct CurveStroke {
        CPoint a, b;
        COLORREF colour = 0;
    };
    // Whether this pass gathers the graph's curves as strokes, drawn at the
    // end and kept for the next pass (catalog/curve_strokes.h).
    BOOL AreCurveStrokesGathered(CDC* pDC) const;
    // The strokes of the last curves drawn, keyed by everything they depend
    // on: a repaint of an unchanged curve draws them without tracing it.
    struct CurveMemo {
        unsigned long long key = 0;
        bool known = false;
        std::vector<CurveStroke> strokes;
    };
    static constexpr int kCurveMemos = 4;
    CurveMemo m_aCurveMemo[kCurveMemos];
    int m_nCurveMemoNext = 0;
    const CurveMemo* FindCurveMemo(unsigned long long key) const;
    void KeepCurveMemo(unsigned long long key, const std::vector<CurveStroke>& strokes);
    // The strokes in order, each as DrawLineWorld would stroke it.
    void DrawCurveStrokes(CDC* pDC, const std::vector<CurveStroke>& strokes);
    // The "Curve" command's figure: the graph, then g over the same interval.
    void DrawCurve(CDC* pDC, int p1, int p2, double from, double to, CString label1,
                   CString label2);
    // The stored click as a world point of the current plane figure; FALSE
    // when the figure has no usable range or plot box.
    BOOL StoredClickWorldPoint(double* x, double* y) const;
    BOOL IsInsideWorldRange(double x, double y) const;
    // A partial repaint redraws a plane figure when the stored click lies on
    // it or its controls: the frame, the arrow boxes or panel above it and
    // the button column at its right, most of which the graph-region test
    // leaves out (their buttons would never act).
    BOOL IsClickOnGraphControls() const;
    BOOL IsClickOnClassicalColumn() const;
    // Whether this pass draws the plane graph's frame again; what stands on
    // the frame (its button column's margin) is drawn exactly then.
    BOOL IsGraphFrameRedrawn() const;

    // --- Panels and their buttons (panels.cpp, panels_steps.cpp) ------------
    void DrawFunctionPanel(CDC* pDC, int nLeft, int nRight, int nTop, int nBottom);
    void DrawSurfaceFunctionPanel(CDC* pDC, int nLeft, int nRight, int nTop, int nBottom,
                                  CString strUpper, CString strLower);
    void DrawODEFunctionPanel(CDC* pDC, int nOdeKind, int nLeft, int nRight, int nTop,
                              int nBottom);
    void DrawCoefficientStepPanel(CDC* pDC, int nSet, int nLeft, int nRight, int nTop, int nBottom,
                                  CString strFirstGroup, CString strSecondGroup);
    void DrawRangeArrows2D(CDC* pDC, BOOL bRangeMin, BOOL bRangeMax, BOOL bIntervalStart,
                           BOOL bIntervalEnd, int nLeft, int nTop, int nRight, int nBottom);
    void DrawRangeArrows3D(CDC* pDC, BOOL bRangeMin, BOOL bRangeMax, int nLeft, int nTop,
                           int nRight, int nBottom);
    // The range boxes above a 2-D plot, left and right edges: the x range's
    // minimum and maximum, then the interval's start and end.
    void RangeBoxes2D(int box[4][2]) const;
    // Where the graph's "恢复" stands (its box, without the frame) and the
    // nominal y it is drawn for, whether it is shown or not.
    CRect RestoreButtonBox(int* nominalY) const;
    // The size the 3-D range box of that nominal size takes in the page's font.
    CSize RangeArrowsSize3D(int nWidth, int nHeight) const;
    void DrawInsetAxes(CDC* pDC, int bKeepBackground, CString strXLabel, CString strYLabel);
    void DrawToolbarData(CDC* pDC, int n);
    // The extra step buttons of the forms with x0, alpha or beta.
    void DrawPanelExtraSteps(CDC* pDC, int k, BOOL bSecond, int nLeft, int nTop, int nHeight);

    // --- Classical-curve constructions (classical_curves.cpp) ----------------
    void DrawClassicalCurveConstruction(CDC* pDC, int kind);
    void DrawClassicalCircle(CDC* pDC, BOOL bInside, double px, double py);
    void DrawClassicalEllipse(CDC* pDC, BOOL bInside, double px, double py);
    void DrawClassicalHyperbola(CDC* pDC, BOOL bInside, double px, double py);
    void DrawClassicalParabola(CDC* pDC, BOOL bInside, double px, double py);
    void DrawClassicalSine(CDC* pDC, BOOL bCosine, double px);
    void DrawClassicalLemniscate(CDC* pDC, BOOL bInside, double px, double py);
    void DrawClassicalCycloid(CDC* pDC, double px);
    void DrawClassicalAstroid(CDC* pDC, double px);
    void DrawClassicalCardioid(CDC* pDC, BOOL bInside, double px, double py);
    // Button i of the construction's column; TRUE on a hit.
    BOOL ClassicalButton(CDC* pDC, int i, const char* utf8Label, int x);

    // --- User drawing tools (draw_tools.cpp) ----------------------------------
    void OnToolLine();
    void OnToolParabolaUpDown();
    void OnToolParabolaLeftRight();
    void OnToolDot();
    void OnToolEllipse();
    void OnToolEllipseRight();
    void OnToolVector();
    void OnToolPointVector();
    void OnToolOff();
    void OnToolInputOff();
    void OnToolBorderColour();
    void OnToolInteriorColour();
    void DrawUserShapes(CDC* pDC, BOOL b3D);
    void RenderUserShapes(CDC* pDC, BOOL b3D);
    // The click of this pass as the world point a tool takes: only in the
    // click pass and strictly inside the world range.
    BOOL ToolClickPoint(BOOL b3D, double* x, double* y) const;
    void TakeToolClick(CDC* pDC, double x, double y);
    void RenderUserShape(CDC* pDC, int i, BOOL b3D);

    // Fields of the graph that the view's data model does not list.
    // The first of the two points of the circle construction, kept so that
    // a repaint shows the pair the last clicks chose.
    double m_adCirclePairFirst[2] = {};

// clang-format on
