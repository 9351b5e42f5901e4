// Members of CPemroView: the integral pages (antiderivatives, the definite
// integral, Riemann, trapezoid, Simpson and Gauss sums, labelled quadrature
// values), the regions of double integrals and solids and surfaces of
// revolution. Included from calculus_members.h inside the class body.
// clang-format off

    // Whether this pass draws the figure's graph whole, so what a page draws
    // over it is drawn again too (never over an old picture left in place).
    BOOL IsGraphRedrawnWhole() const;

    // --- Integral concepts and quadrature (integrals.cpp, quadrature_demo.cpp)
    void DrawCalculus1(CDC* pDC, int);
    void DrawAntiderivatives(CDC* pDC);
    double DrawIrregularSum(CDC* pDC, double a, double b, int n);
    void DrawUpperLimitFunction(CDC* pDC, double a, double b);
    double DrawRiemannSums(CDC* pDC, double a, double b, int n);
    double DrawTrapezoidDemo(CDC* pDC, double a, double b, int n);
    double DrawSimpsonDemo(CDC* pDC, double a, double b, int n);
    double DrawGaussDemo(CDC* pDC, double a, double b, int n);
    void ShadeAreaUnderF(CDC* pDC, double a, double b, COLORREF colour);
    int GaussTableClearance(double a, double b);
    void DrawValueTable(CDC* pDC, double a, double b, int n);
    // The reference value "积分值:" of the integral pages, kept while the
    // function and the interval stay (it costs 100,000 Gauss panels).
    double ReferenceIntegral(double a, double b);
    void DrawPRNCalculus(CDC* pDC, double x, double y, int kind, int mode, int variant, double a,
                         double b, int n, COLORREF colour);

    // The switch of the tables of f(x_i) and of the Gauss nodes: 0 each
    // rule's default, 1 shown, 2 hidden; its own field, so the switch never
    // changes the chosen sub-demo.
    int m_nValueTableShown = 0;

    // --- Regions of double integrals (regions.cpp) ----------------------------
    void DrawDomainxy(CDC* pDC, double a, double b, CString label1, CString label2,
                      CString label3, CString label4, COLORREF fill);
    void DrawDomainr(CDC* pDC, double a, double b, CString label1, CString label2);
    void DrawThetaRegion(CDC* pDC, double a, double b, double h, const CString& label1,
                         const CString& label2);
    void DrawRadiusRegion(CDC* pDC, double a, double b, double h, const CString& label1,
                          const CString& label2);
    void DrawPolarSegment(CDC* pDC, double r1, double t1, double r2, double t2, COLORREF colour);
    // Fills the polygon of n polar points (r, θ), cut at the plot rectangle.
    void FillPolarRegion(CDC* pDC, const double* r, const double* theta, int n);

    // --- Solids and surfaces of revolution (revolution.cpp) -------------------
    void DrawRevolve(CDC* pDC, int kind, int axis);
    void FindParamStartT(double target);
    void DrawRevolveCurves(CDC* pDC, int kind, double a, double b, double p);
    void DrawWashers(CDC* pDC, double a, double b, double u, double dx, double p);
    void DrawShells(CDC* pDC, double a, double b, double u, double dx, double p);
    void DrawSurfaceBands(CDC* pDC, double a, double b, double u, double dx, double p);
    void RevolveButtons(CDC* pDC, int kind, int axis);
    double RevolveLower(double x);

// clang-format on
