// Members of CPemroView: the function catalogues, the curve plotters, the
// parabola through three points, the differential-equation right-hand sides
// and the quadrature rules. Included inside the class body (view/view.h).
// The formula-text setters SetFFormulaText, SetGFormulaText,
// SetParamFormulaText, SetImplicitFormulaText and SetSurfaceFormulaText are
// declared in view.h and defined in catalog/formula_setters.cpp.
// clang-format off

    // --- Explicit catalogues y = f(x) --------------------------------------
    double EvalF(double x, int k) const;
    double EvalCatalogueA(double x, int k) const;
    double EvalCatalogueB(double x, int k) const;
    double EvalFDeriv(double x, int k) const;
    double EvalFDeriv2(double x, int k) const;
    double EvalFTransformed(double x, int k, double scale, double location, int mode) const;
    double EvalMinOfTwoF(double x, int k1, int k2) const;
    double EvalMaxOfTwoF(double x, int k1, int k2) const;
    double EvalGamma(double x) const;

    // --- Parametric, polar and implicit curves ------------------------------
    double EvalParamX(double t, int k) const;
    double EvalParamY(double t, int k) const;
    double EvalPolarFX(double theta, int k) const;
    double EvalPolarFY(double theta, int k) const;
    // Both coordinates at once: f is evaluated once.
    void EvalPolarF(double theta, int k, double* x, double* y) const;
    double EvalPolarGX(double theta, int k) const;
    double EvalPolarGY(double theta, int k) const;
    double EvalParamXResidual(double t, double x, int k) const;
    double SolveParamT(double x, int k);
    double EvalCurveY(double x, int k);
    double EvalCurveYResidual(double x, double c, int k);
    double SolveCurveX(double c, int k);
    double EvalRegionFunction(double x, double y, int k);
    double SolveImplicitX(double x0, double y, int k);
    double SolveImplicitY(double x, double y0, int k);
    double FindRegionEdgeMax(double x, double y, int mode);
    double FindRegionEdgeMin(double x, double y, int mode);
    double EvalBackgroundPattern(double u, double v, int n) const;

    // --- Surfaces z = f(x, y) and their profiles ----------------------------
    double EvalSurfaceF(double x, double y, int k);
    double EvalSurfaceG(double x, double y, int k);
    double EvalSurfaceCatalogueF(double x, double y, int k);
    double EvalSurfaceCatalogueG(double x, double y, int k);
    double EvalProfileCatalogueF(double x, int k) const;
    double EvalProfileCatalogueG(double x, int k) const;
    double EvalSurfaceTaylorPolynomial(double x, double y, int n, int k, int which);
    // The coefficients of that polynomial about (m_dX0, m_dY0).
    catalog::TaylorCoefs TaylorCoefsOf(int k, int which, int n);
    double EvalSurfaceOnRay(double x, double y, double t, int k, int which);
    double EvalDescentObjective(double x, double y, int k);
    double EvalRampFunction(double x, int mode) const;

    // --- Differential-equation right-hand sides -----------------------------
    double EvalODERightSide(double t, double x, double y, int k) const;
    double EvalSecondOrderRightSide(double x, double y, double yp, int k) const;
    void SetODEFormulaText(int k);

    // --- Curve plotters and the parabola ------------------------------------
    void PlotCurve(CDC* pDC, double from, double to, COLORREF colour);
    void PlotCurveG(CDC* pDC, double from, double to, COLORREF colour);
    void PlotCurveByKind(CDC* pDC, int k, int kind, double from, double to, COLORREF colour);
    BOOL FunctionHasCoefficients(int k) const;
    void OnShowFuncNameNo();
    void OnShowFuncNameYes();
    void DrawParabola(CDC* pDC, int orientation, int mode, double x1, double y1, double x2,
                      double y2, double x3, double y3, COLORREF colour);

    // --- Quadrature ---------------------------------------------------------
    double Integrate(double a, double b, int n, int method, int flag) const;

    // Residuals the Newton solves evaluated in this pass (bounded, see
    // curve_members.cpp).
    long long m_nPassSolverResiduals = 0;
    // No solve of this pass has been refused for the budget so far.
    BOOL PassSolverBudgetLeft() const;
    // Depth of surface expansions in progress: surface form 0 met inside an
    // expansion gives 0 instead of expanding itself without end.
    int m_nSurfaceExpansionDepth = 0;
    // Set while a figure's loop evaluates the surfaces with the view
    // unchanged (catalog/surface_pass.h).
    struct SurfacePass;
    SurfacePass* m_pSurfacePass = nullptr;

// clang-format on
