// Members of CPemroView: numerical analysis and linear algebra. The shared
// linear system and its solvers, the number display controls, and the
// demonstrations of elimination, reduction and determinants, triangular
// factorisations, Romberg integration, root finding and the initial-value
// solvers. Included inside the class body (view/view.h); the algorithms
// themselves are free functions in numeric/math/.
// clang-format off

    // --- The shared linear system (linear_system.cpp) ------------------------
    void LoadLinearSystem(int rows, int cols);
    void SolveSmallSystem(int n);
    void DecomposeAndSolve(int n, int method);

    // --- Number display controls (display_controls.cpp) ----------------------
    void DrawDecimalsSelector(CDC* pDC, int x, int y, int maxDecimals);
    // How far a plot moves down so that the decimals row, kept where it
    // stands, clears its range arrows; and where that row stands.
    int DecimalsRowPush() const;
    int DecimalsRowY() const;
    // How far a plot moves down so that the related-data panel stands above
    // the controls over its top, inside the figure; where the panel ends;
    // and all a plot's top moves down by.
    int RelatedDataPush() const;
    int RelatedDataBottom() const;
    int PlotTopPush() const;
    void DrawPrecisionSelector(CDC* pDC, int x, int y);
    double RoundSignificant(double value) const;
    void DrawKeepDecimalsSelector(CDC* pDC, int rows, int cols, int which);
    // Column titles "" are absent; an index below 0 means no index. The
    // matrix rows hold 21 doubles each.
    void DrawRelatedDataPanel(CDC* pDC, const char* outerLeftTitle, int outerLeftIndex,
                              const double* outerLeft, const char* leftTitle, int leftIndex,
                              const double* left, const char* matrixTitle, const double* matrix,
                              int matrixCols, int rows, const char* rightTitle, int rightIndex,
                              const double* right, const char* outerRightTitle,
                              int outerRightIndex, const double* outerRight);

    // --- Matrix demonstrations (gauss_demo.cpp, reduce_demo.cpp, lu_demo.cpp) --
    void DrawGauss(CDC* pDC, int n, int m);
    void DrawMatrixtransform(CDC* pDC, int mode, int m, int n);
    void DrawLU(CDC* pDC, int n, int method);
    // The step buttons "下一步", "上一步", "开  始" (rows 0..2) of the
    // column at the plot's right; `restart` is the step "开  始" sets.
    void DrawStepButtons(CDC* pDC, int restart);
    // A method button of that column: a hit makes `method` pending and
    // restarts the demonstration.
    void DrawMethodButton(CDC* pDC, int row, const char* utf8Label, int method);
    // Settings of the matrix demonstrations as the shared precision controls
    // leave them, and the zero-pivot message.
    void DrawMatrixMessage(CDC* pDC, const char* utf8Text);

    // --- Romberg integration (romberg_demo.cpp) -------------------------------
    void DrawRomberg(CDC* pDC);

    // --- Fitting, approximation and interpolation (fit_sections.cpp,
    // regression_demo.cpp, approximation_demo.cpp, interpolation_demo.cpp,
    // newton_demo.cpp, spline_demo.cpp) ------------------------------------------
    BOOL IsFitFigureDrawn() const;
    void DrawFitAxesOnly(CDC* pDC);
    // The model of the straight-line fits with a and b from m_adCoefF.
    double EvalRegressionModel(double x, int t) const;
    // Samples the function when the data come from it and dots the points;
    // returns the count used, clamped to the data set.
    int PrepareFitData(CDC* pDC, int n);
    // The display-selector column from `top` and the data-source row.
    void DrawFitSelectorButtons(CDC* pDC, int top);
    void DrawRegression1(CDC* pDC, int n);
    void DrawRegressionm(CDC* pDC, int n, int m);
    void DrawApproximation(CDC* pDC, int n, int k);
    void DrawCurvespecialfunc(CDC* pDC, int n, int k);
    // The n buttons at (x, y) and (x, y + 24); they stop at lo and hi.
    void DrawCountButtons(CDC* pDC, int x, int y, int lo, int hi);
    // The nodes of the interpolation demos: sampled from the function when
    // m is 0; dotted. Returns the last node index used (1..99).
    int PrepareInterpolationNodes(CDC* pDC, int m, int n, COLORREF curve, int dotRadius,
                                  COLORREF dotPen, COLORREF dotFill);
    void DrawInterpolationSourceButtons(CDC* pDC);
    // The abscissa of the value read-outs: m_dX0 inside [a, b], else the
    // cursor's, with the hint to choose one.
    double ChosenAbscissa(CDC* pDC);
    void DrawLargange(CDC* pDC, int m, int n);
    void DrawLineInterpolate(CDC* pDC, int m, int n);
    void DrawNewton(CDC* pDC, int m, int n);
    void DrawSplines(CDC* pDC, int m, int n);

    // --- Root finding (root_demo.cpp) -----------------------------------------
    void DrawRoot(CDC* pDC, int method);
    // f at x for the root demonstration (a parametric curve is solved from
    // the parameter nearest x).
    double EvalRootFunction(double x);
    void DrawRootMessage(CDC* pDC, const char* utf8Text);

    // --- Initial-value problems (ode_steps.cpp, ode_demo.cpp) -----------------
    void OdeEulerStep(double x, double y, double h);
    void OdeRungeKuttaAdamsStep(int kind, double x, double y, double z, double h, double x0);
    void DrawDiffEquation1(CDC* pDC, int which);
    void DrawOdeSingle(CDC* pDC);
    void DrawOdeSystem(CDC* pDC);
    // TRUE when the row stands on the line of the method name and the step
    // read-out.
    BOOL DrawOdeValueRow(CDC* pDC, int n, double x, double y, double column);
    // The method name and the step read-out stand on their line in the
    // plot, or, when a table row took that line, from (*x, *y) in the strip
    // above it (TRUE).
    BOOL OdeCaptionAbove(int* x, int* y) const;
    BOOL m_bOdeCaptionAbove = FALSE;
    void DrawOdeSingleButtons(CDC* pDC);

    // --- Iterative matrix methods (qr_demo.cpp, iterative_demo.cpp,
    // descent_demo.cpp, power_demo.cpp, jacobi_demo.cpp, iteration_sections.cpp)
    void DrawQR(CDC* pDC, int n, int variant);
    // `count`: start values given by the script plus 1, or 0 for none.
    void DrawJacobiSeidel(CDC* pDC, int n, int count);
    void DrawPowerMethod(CDC* pDC, int n, int mode);
    void DrawPowerButtons(CDC* pDC, int n, int mode);
    void DrawJacobiMethod(CDC* pDC, int n);
    void DrawGradient(CDC* pDC, int n, int m);
    void DrawLevelColourMap(CDC* pDC, int kind);
    // Samples the objective over the plot and paints each sample by its
    // level between the least and the greatest; `values(xs, n, y, out)` gives
    // its values at (xs[i], y) for i < n.
    template <class Rows>
    void FillLevelColourMap(CDC* pDC, Rows values, bool keep);
    // The last colour map's boxes (one pixel high) with everything its
    // pixels were computed from: a pass over the same objective and frame
    // paints them again instead of sampling a million points.
    struct LevelMapBox {
        int left, top, right;
        COLORREF colour;
    };
    struct LevelMapMemo {
        std::vector<double> key;
        std::vector<LevelMapBox> boxes;
    };
    LevelMapMemo m_levelMapMemo;
    // Steps 0 and 1: the system A, b or the quadratic form B, c.
    void DrawDescentData(CDC* pDC, int kind, int n, int m, const double (*B)[21]);
    void DrawDescentButtons(CDC* pDC, int kind, int n);
    // The frame of a matrix command; FALSE when the figure is off the page.
    BOOL ReadMatrixFrame(int firstArg);
    // World range -1.2..1.2 on both axes and the empty frame.
    void SetMatrixWindow(CDC* pDC);

// clang-format on
