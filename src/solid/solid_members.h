// Members of CPemroView: the 3-D scene and the solids drawn on it (surfaces,
// mesh cells, solids between two surfaces, cutting planes, traces, partial
// derivatives, region integrals). Included inside the class body
// (view/view.h). The arithmetic lives in solid/math/scene_math.h.
// clang-format off

    // --- The scene frame (solid/scene_frame.cpp) -----------------------------
    // Fixes the oblique projection of the current figure, draws the stage,
    // ticks, buttons and values and hands over to the surface part for
    // [dXFrom, dXTo] x [dYFrom, dYTo]. nOverlay 1 leaves the stage out;
    // kSceneStripUnder draws the surfaces alone, for a strip of a scene drawn
    // strip by strip whose last strip draws the rest over all of them;
    // nLabelMode 0 prints the tick values; nSurfaceMode < 2 draws surfaces.
    static constexpr int kSceneStripUnder = 2;
    // A scene drawn again over the page's own answers a click only on its
    // projection toggle, which the page's own scene does not show.
    BOOL m_bProjectionToggleAnswers = FALSE;
    void DrawSurfaceScene(CDC* pDC, int nOverlay, int nLabelMode, int nSurfaceMode, double dXFrom, double dXTo, double dYFrom, double dYTo, CString strXLabel, CString strYLabel, CString strZLabel);
    // The world box has positive finite spans and the layout a height: the
    // scene refuses a figure it could only divide by zero in.
    BOOL IsSceneUsable() const;
    // A partial repaint redraws the scene when the stored click lies on it
    // or on its controls: the panel above, the button column at its right
    // and the density buttons below.
    BOOL IsClickOnSceneControls() const;
    // A full repaint, or a click on the scene or its controls.
    BOOL IsSceneRedrawn() const;
    // Zoomed: the figure box fills the visible area with the frame around it.
    void ZoomSceneBox();
    // The stage: ground, walls, floor, box and range arrows.
    void DrawSceneStage(CDC* pDC);
    // The stage's fills and box, without its buttons.
    void DrawStageFills(CDC* pDC);
    // The right edge of the range boxes over the scene, in the page's font.
    int SceneRangeBoxesRight() const;
    // Where "恢复" stands: left of the range boxes, its frame clear of them
    // in a large font.
    int SceneRestoreX() const;
    void DrawSceneTicks(CDC* pDC, BOOL bValues, BOOL bMeshButtons = FALSE);
    // The three axes from the origin, or from the box's point nearest to it
    // where the ranges leave it out.
    void DrawSceneAxes(CDC* pDC, const CString& xl, const CString& yl, const CString& zl);
    void SceneAxesFoot(double* ox, double* oy, double* oz) const;
    // The y and x axes alone from that point: on the box's floor where the z
    // range leaves the origin out.
    void DrawSceneFloorAxes(CDC* pDC, const CString& xl, const CString& yl, int yPlacement);
    // The buttons and values of steps 8 to 12; TRUE when a density button
    // acted (the rest is drawn by the next pass).
    BOOL DrawSceneButtons(CDC* pDC, double dXFrom, double dXTo, double dYFrom, double dYTo);

    // --- The surface part of the scene (solid/scene_surfaces.cpp) ------------
    void DrawSceneSurfaces(CDC* pDC, BOOL bCells, double dXFrom, double dXTo, double dYFrom, double dYTo, double sx, double sy, const int* front, const int* back, const CString& strXLabel, const CString& strYLabel, const CString& strZLabel);
    // The cells of the double-integral sum: from (x0, y0), columns × rows
    // cells of cx × cy (solid/scene_surfaces.cpp).
    struct PrismGrid {
        double x0, y0, cx, cy;
        long columns, rows;
    };
    PrismGrid PrismGridOn(double x1, double x2, double y1, double y2, double cx, double cy) const;
    // One prism of the double-integral sum; adds its height to *pSum. Drawn
    // on the scene within `keep` (logical) when given (solid/riemann_prisms.cpp).
    void DrawIntegralPrism(CDC* pDC, double x, double y, double cx, double cy, double* pSum, const CRect* keep = nullptr);
    // The prisms of the column at x, each left out where the column at nextX
    // (NaN for the last) paints over it; the rows the next column's faces
    // surely paint in each pixel column.
    void DrawIntegralPrismColumn(CDC* pDC, double x, double cx, double cy, double nextX, const std::vector<double>& rows, double* pSum);
    // The Gauss sum's cells of the column at x (solid/gauss_sum_walls.cpp);
    // nextX is the next column's x, NaN for the last column.
    struct WallCover;
    void DrawGaussSumColumn(CDC* pDC, double x, double cx, double cy, double nextX, const std::vector<double>& rows, const int* front, const int* back, double sx, double sy);
    WallCover FindWallCover(double x, double cy, const std::vector<double>& rows);
    // The rows the walls of the column at nextX surely paint, kept from pass
    // to pass; empty (nothing left out) where the scene's drawing is not the
    // plain one the cover assumes, or nextX is NaN.
    WallCover NextColumnWallCover(CDC* pDC, double nextX, double cx, double cy, const std::vector<double>& rows);
    // One walled cell of the mesh, left out where `cover` says the next
    // column paints over it.
    void DrawCellBeforeWalls(CDC* pDC, const WallCover& cover, double x, double y, double cx, double cy, const int* front, const int* back, double sx, double sy);
    bool BackFaceBoxes(CDC* pDC, double x, double y, double fc, double gc, long rows, double stepY, COLORREF colour);
    WallCover FindPrismCover(double x, double cx, double cy, const std::vector<double>& rows);
    bool GaussCellKeep(const WallCover& cover, double x, double y, double cx, double cy, bool inset, CRect* keep) const;
    // The hatching of a cell's section by z = c, from the stroke at s on.
    void HatchSectionZ(CDC* pDC, double s, double x, double y, double cx, double cy);
    void DrawInsetCellEdges(CDC* pDC, double x, double y, double cx, double cy);

    // --- One mesh cell of the two surfaces (solid/surface_mesh.cpp) ---------
    void DrawSurfaceMesh(CDC* pDC, double x, double y, double dx, double dy, int frontR, int frontG, int frontB, int backR, int backG, int backB, BOOL bUpperLines, BOOL bLowerLines, double sx, double sy);

    // A space segment drawn as DrawLine3D draws it; the many vertical
    // strokes of walls and sections are filled as the rectangles they cover.
    void DrawLine3DFast(CDC* pDC, double x1, double y1, double z1, double x2, double y2, double z2, COLORREF colour);
    // The pixel stroke of DrawLinePxB between pixel ends; a point and a
    // two-pixel vertical or horizontal stroke are filled as rectangles.
    void DrawStrokePx(CDC* pDC, CPoint a, CPoint b, COLORREF colour);

    // --- Text and boxes in the scene (solid/scene_marks.cpp) ----------------
    // Where a text at a space point starts on the screen; false when the
    // figure is not shown or the point is behind the eye.
    bool ProjectText3D(double x, double y, double z, int* sx, int* sy);
    void DrawText3D(CDC* pDC, double x, double y, double z, CString text, COLORREF colour);
    // With `keep`, the edges wholly outside it (logical pixels; a pen at
    // most two pixels wide) are left out.
    void DrawCube(CDC* pDC, int style, double x1, double y1, double z1, double x2, double y2, double z2, COLORREF colour, const CRect* keep = nullptr);

    // --- Region integrals (solid/region_integral.cpp) ------------------------
    double ComputeRegionIntegral(int nx, int ny, double x1, double x2, double y1, double y2, int upperIndex, int lowerIndex, int kind);
    // The last values, keyed by everything they depend on: a pass that
    // prints an unchanged figure's integral takes it from here.
    struct RegionIntegralMemo {
        unsigned long long key = 0;
        bool known = false;
        double value = 0;
    };
    static constexpr int kRegionIntegralMemos = 8;
    RegionIntegralMemo m_aRegionIntegralMemo[kRegionIntegralMemos];
    int m_nRegionIntegralMemoNext = 0;

    // --- Solids between surfaces (solid/solid_between.cpp) -------------------
    // The solid's visibility rule: on screen, and on a partial repaint only
    // with the click on the scene.
    BOOL IsSolidDrawn() const;
    void DrawSolidBetweenSurfaces(CDC* pDC, double x1, double x2, double y1, double y2, int upperIndex, int lowerIndex);
    void DrawSurfaceWireMesh(CDC* pDC, double x1, double x2, double y1, double y2, int upperIndex, int lowerIndex, int nx, int ny, COLORREF crUpper, COLORREF crLower);
    void DrawSolidSlice(CDC* pDC, double s0, double s1, double xc, double yc, COLORREF crOutline, BOOL bShade, COLORREF crShadeBase);

    // --- Solid with cutting planes (solid/solid_cut.cpp) ---------------------
    void DrawSolid(CDC* pDC, double x1, double x2, double y1, double y2);
    void DrawSolidCutX(CDC* pDC, double x1, double x2, double y1, double y2);
    void DrawSolidCutY(CDC* pDC, double x1, double x2, double y1, double y2);
    void DrawSolidPlaneButtons(CDC* pDC);

    // --- Surface traces (solid/surface_traces.cpp) ---------------------------
    void DrawSurf(CDC* pDC);
    void DrawTraceOnPlaneZ(CDC* pDC, COLORREF colour);
    void DrawSurfButtons(CDC* pDC);
    void DrawCoordinatePlaneTraces(CDC* pDC);
    void DrawParallelPlaneTrace(CDC* pDC);

    // --- Partial derivatives, normals, mean value (solid/partials.cpp) -------
    void DrawDerivative2(CDC* pDC);
    void DrawSurfaceNormal(CDC* pDC, double length, int mode, double x, double y, int surfaceIndex, CString label1, CString label2, COLORREF colour);
    void DrawMeanCalculus2(CDC* pDC);


    // --- Coordinate frame and volume elements (solid/coordinate_frame.cpp,
    // solid/volume_elements.cpp) ---------------------------------------------
    void DrawCoordinateSystem(CDC* pDC);
    void DrawCylCoord(CDC* pDC);
    void DrawCylVolumeElement(CDC* pDC, double theta, double r, double dTheta, double dR, double z0, double z1, COLORREF colour);
    void DrawSpherCoord(CDC* pDC);
    // The sines and cosines along the arcs of spherical elements, kept for
    // one figure's elements (solid/volume_elements.cpp).
    struct ArcAngles;
    void DrawSphVolumeElement(CDC* pDC, double theta, double phi, double r, double dTheta, double dPhi, double dR, COLORREF colour, BOOL bAlways, ArcAngles* pAngles);
    // The buttons the two volume-element pages share; the step buttons only
    // in variants 1 and 2, the last pair labelled by the caller.
    void DrawVolumeElementButtons(CDC* pDC, double* pLastStep, const char* moreLast, const char* fewerLast);
    // A coordinate arrow from p to q with its label at q; an arrow without
    // length is only its label, `lines` text lines above q.
    void DrawCoordinateArrow3D(CDC* pDC, const double p[3], const double q[3], int placement, int lines, const char* label);

    // --- Curvilinear surfaces (solid/curvilinear_surfaces.cpp) ---------------
    void ComputeCurvilinearSurfacePoint(double theta, double s, int type, int surface, int form);
    void DrawSphSurf(CDC* pDC, int overlay, double theta1, double theta2, double phi1, double phi2);
    void DrawCylSurf(CDC* pDC, int overlay, double theta1, double theta2, double s1, double s2, int form);

    // --- Space curves and cylinders (solid/space_curves.cpp) -----------------
    void DrawSpaceCurve(CDC* pDC, int form, int projection, double t1, double t2);
    void DrawCylinder(CDC* pDC, int plane, int normalise);

    // --- Surface element, field and circuit (solid/field_elements.cpp) -------
    void DrawAreaElement(CDC* pDC, double P, double Q, double R);
    void DrawField(CDC* pDC);
    void DrawFieldArrow(CDC* pDC, double x, double y, double z);
    void DrawElectric(CDC* pDC, int inductor, int resistor, int capacitor, int source);

    // Fields of the solids that the view's data model does not list.
    // The scene mode of "Surf" as last read from its script line: it stays
    // with the command's other settings (1, the demonstration, until read).
    int m_nSurfSceneMode = 1;

// clang-format on
