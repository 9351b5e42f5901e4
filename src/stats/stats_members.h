// Members of CPemroView: the probability and statistics pages. Included
// inside the class body (view/view.h). The distribution functions and
// quantiles themselves are free functions in stats/math.
// clang-format off

    // --- Distribution kernels (stats/distribution_kernels.cpp) --------------
    // Mode 0: F(x) of the density m_nFuncF; mode 1: its quantile for the
    // probability x. -100 for another mode or an entry that is no density.
    double ComputeCdfOrQuantile(int mode, double x);
    // The density k (shifted and scaled, mode 0, or reciprocal, mode 1)
    // across the figure, the part over [x1, x2] filled with vertical lines.
    void DrawDensityWithRegion(CDC* pDC, int k, double x1, double x2, COLORREF colour, double s, double m, int mode);
    // Catalogue entry k at x with the live statistics parameters, whatever
    // function combination the menus left behind.
    double EvalDensity(double x, int k) const;
    double EvalDensityTransformed(double x, int k, double s, double m, int mode) const;
    // Whether this pass draws the figure: a full repaint, or a partial one
    // whose click lies on the figure or its buttons (the function graph has
    // just repainted the frame under the same test, and the buttons must
    // be drawn to answer).
    BOOL IsStatsFigurePass() const;
    // Whether the figure shows its areas and read-outs: on screen while the
    // stored click lies on it; on paper when the last press fell in it, so
    // the print shows what the screen shows.
    BOOL IsStatsFigureShown() const;
    // P(a, b): the world point at fractions a of the x span from the left
    // and b of the y span from the top of the current figure.
    double StatsX(double a) const;
    double StatsY(double b) const;

    // --- The four demonstrations ---------------------------------------------
    void DrawDisDistribution(CDC* pDC, int kind);   // stats/discrete_demo.cpp
    void DrawConDistribution(CDC* pDC, int mode);   // stats/continuous_demo.cpp
    void DrawRegionEstimate(CDC* pDC, int kind);    // stats/interval_demo.cpp
    void DrawAssumeVerify(CDC* pDC, int kind);      // stats/test_demo.cpp

    // Pieces of the demonstrations.
    void DrawDiscreteBinomial(CDC* pDC, int step);
    void DrawDiscretePoisson(CDC* pDC);
    void DrawDiscreteHypergeometric(CDC* pDC, int step);
    void DrawConDistributionButtons(CDC* pDC);
    void DrawConDistributionWalk(CDC* pDC, int mode);
    void DrawConDistributionReadouts(CDC* pDC);
    // The line of the quantile's u: its own, or the next one down where the
    // variance's long formula reaches its column.
    double QuantileRow(CDC* pDC);
    void DrawIntervalOneSample(CDC* pDC, int kind, int n, double mu, double sigma);
    void DrawIntervalTwoSamples(CDC* pDC, int kind, int n, int m, double mu, double sigma);
    void DrawTestReadouts(CDC* pDC, int kind, int n, int m, double alpha, int side);
    // Sets the density fields to a pivot's density (the standard normal for
    // entry 77) so the catalogue and the kernels evaluate it.
    void SelectPivotDensity(int entry, int df1, int df2);

// clang-format on
