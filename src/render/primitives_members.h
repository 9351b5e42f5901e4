// Members of CPemroView: drawing primitives, pictures and text buttons.
// Included inside the class body of CPemroView (view/view.h).
// clang-format off
    // --- World frame, colours and the graph-region test (world_frame.cpp) ----
    // The band test: the current figure is placed and lies within 150 pixels
    // of the area being painted.
    // Inline: curves ask for every segment.
    BOOL IsFigureBandVisible() const {
        return m_bFigureVisible && m_nGraphTop > m_nClipTop - 150 &&
               m_nGraphBottom < m_nClipBottom + 150;
    }
    // Whether the current figure's frame (its function graph, scene or
    // coordinate box) was drawn again in this pass: kNoFrame until one is
    // laid out.
    static constexpr int kNoFrame = -1;
    int m_nFrameDrawn = kNoFrame;
    // What a figure draws over its frame is drawn again exactly when the
    // frame is: a click on a scene's panel or buttons redraws the scene, so
    // its boxes and fills too, or the click pass would leave them out; a
    // frame left as it was is not drawn over.
    BOOL IsFigureRedrawn() const {
        return m_bFullRepaint || HitTestGraphRegion(0) || m_nFrameDrawn > 0;
    }
    // World point to page pixel, offset truncated (the usual frame); FALSE
    // when the point cannot become a pixel (NaN, infinite, zero span, huge).
    BOOL MapWorldOffset(double x, double y, int* px, int* py) const;
    // The same with the whole coordinate truncated (world lines).
    BOOL MapWorldWhole(double x, double y, int* px, int* py) const { // inline, as above
        const double fx = m_nPlotLeft + (x - m_dXMin) / m_dXSpan * m_nPlotWidth;
        const double fy = m_nPlotBottom - (y - m_dYMin) / m_dYSpan * m_nPlotHeight;
        int ix, iy;
        if (!ToDrawablePixel(fx, &ix) || !ToDrawablePixel(fy, &iy)) return FALSE;
        *px = ix;
        *py = iy;
        return TRUE;
    }
    static COLORREF MakeRGB(double r, double g, double b);
    void SplitRGB(COLORREF colour);
    BOOL HitTestGraphRegion(int kind) const;
    static double Max2(double a, double b);
    static double Min2(double a, double b);
    double ClampToZRange(double z) const;

    // --- Lines and arrows (lines.cpp, arrows.cpp) ----------------------------
    void DrawLinePx(CDC* pDC, int width, double x1, double y1, double x2, double y2, COLORREF colour);
    void DrawLinePxIfEnabled(CDC* pDC, int width, double x1, double y1, double x2, double y2, COLORREF colour);
    void DrawLinePxB(CDC* pDC, int width, double x1, double y1, double x2, double y2, COLORREF colour);
    void DrawArrowPx(CDC* pDC, int x1, int y1, int x2, int y2, int placement, const CString& label1, const CString& label2, COLORREF colour);
    void DrawArrowPxIfEnabled(CDC* pDC, int x1, int y1, int x2, int y2, int placement, const CString& label1, const CString& label2, COLORREF colour);
    void DrawArrowPxB(CDC* pDC, int x1, int y1, int x2, int y2, int placement, const CString& label1, const CString& label2, COLORREF colour);
    void DrawArrowWorld(CDC* pDC, double x1, double y1, double x2, double y2, int placement, const CString& label1, const CString& label2, COLORREF colour);
    void DrawLineWorldMode(CDC* pDC, double x1, double y1, double x2, double y2, COLORREF colour, int mode);
    void DrawLineWorld(CDC* pDC, double x1, double y1, double x2, double y2, COLORREF colour);
    void DrawLineAcrossWorld(CDC* pDC, double x0, double y0, double slope, COLORREF colour);
    void DrawLineWorldIfEnabled(CDC* pDC, double x1, double y1, double x2, double y2, COLORREF colour);

    // --- Strings and boxes (strings.cpp) ---------------------------------------
    void DrawString(CDC* pDC, int x, int y, const CString& text, COLORREF colour);
    void DrawStringSmall(CDC* pDC, int x, int y, const CString& text, COLORREF colour);
    void DrawStringHalf(CDC* pDC, int x, int y, const CString& text, COLORREF colour);
    // A button's caption in its box of inner width w, as DrawStringSmall
    // writes it but with letters and Chinese characters apart; returns
    // where it was written, and in `font` the font it was written in.
    CPoint DrawButtonCaption(CDC* pDC, int x, int y, int w, const CString& text, COLORREF colour,
                             LOGFONT* font = nullptr);
    // The working font as DrawString (bSmall FALSE, label zoom nZoom) or
    // DrawStringSmall (bSmall TRUE) would select it.
    LOGFONT PlainStringFont(BOOL bSmall, int nZoom) const;
    void FillRectPx(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour);
    void FillRectPxAlways(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour);

    // --- Fills (fills.cpp) -------------------------------------------------------
    void FillRectGradientPx(CDC* pDC, int left, int top, int right, int bottom, COLORREF from, COLORREF to);
    void PaintGradient(CDC* pDC, int left, int top, int right, int bottom, COLORREF from, COLORREF to);
    void FillRectWorld(CDC* pDC, double xLeft, double xRight, double yBottom, double yTop, COLORREF colour);
    void FillRectGradientWorld(CDC* pDC, double xLeft, double xRight, double yBottom, double yTop, COLORREF from, COLORREF to);
    // `colour` is the border, or with FLOODFILLSURFACE the colour filled over.
    void FloodFillPx(CDC* pDC, int x, int y, COLORREF colour, COLORREF fill,
                     UINT fillType = FLOODFILLBORDER);
    void FloodFillWorld(CDC* pDC, double x, double y, COLORREF border, COLORREF fill);

    // --- Polygon fills (polygon_fills.cpp) ----------------------------------------
    // A shape filled by its own outline, within the figure's box (the plot of
    // a plane figure, the frame of a space one): never past it. Drawn in the
    // passes that draw the figure's fills.
    CRect FigureFillBox(CDC* pDC) const; // device pixels, within the clip
    bool IsFillPass() const;
    void FillPolygonPx(CDC* pDC, const CPoint* pts, int n, COLORREF fill);
    void FillPolygonWorld(CDC* pDC, const double* x, const double* y, int n, COLORREF fill);
    // Cut to the z range first, as the edges of a space polygon are.
    void FillPolygon3D(CDC* pDC, const double* x, const double* y, const double* z, int n, COLORREF fill);

    // --- Dots, balls, ellipses and traced arcs (dots_arcs.cpp) -------------------
    void DrawDotPx(CDC* pDC, int x, int y, int rx, int ry, COLORREF pen, COLORREF brush);
    void DrawDotWorld(CDC* pDC, double x, double y, int rx, int ry, COLORREF pen, COLORREF brush);
    void DrawBallWorld(CDC* pDC, double x, double y, int rx, int ry, double angle, COLORREF pen, COLORREF brush);
    void DrawEllipseWorld(CDC* pDC, double x, double y, double rx, double ry, COLORREF pen, COLORREF brush);
    void DrawArcPx(CDC* pDC, int cx, int cy, int rx, int ry, int fromDegrees, int toDegrees, COLORREF colour);
    void DrawArcWorld(CDC* pDC, double cx, double cy, double rx, double ry, double t0, double t1, COLORREF colour);
    void DrawShadedArcWorld(CDC* pDC, double cx, double cy, double rx, double ry, double t0, double t1, COLORREF colour);
    // The turning diameter of a ball about a pixel centre.
    void DrawBallDiameter(CDC* pDC, int px, int py, int rx, int ry, double angle, COLORREF pen);

    // --- The oblique 3-D projection (solid3d.cpp) -----------------------------------
    void TurnPoint3D(double* x, double* y) const;
    void ArrangeAxes3D(double* x, double* y, double* z) const;
    BOOL ProjectPoint3D(double x, double y, double z, int* sx, int* sy) const;
    void DrawLine3D(CDC* pDC, double x1, double y1, double z1, double x2, double y2, double z2, COLORREF colour);
    // The pixel ends of a space segment after the turn, the axis arrangement and
    // the cut at the z range; FALSE when nothing of it is drawn.
    BOOL ProjectSegment3D(double x1, double y1, double z1, double x2, double y2, double z2, CPoint* a, CPoint* b) const;
    void DrawArrow3D(CDC* pDC, double x1, double y1, double z1, double x2, double y2, double z2, int placement, const CString& label1, const CString& label2, COLORREF colour);
    void DrawDotProjected(CDC* pDC, double x, double y, double z, int rx, int ry, COLORREF pen, COLORREF brush);
    void DrawBallProjected(CDC* pDC, double x, double y, double z, int rx, int ry, double angle, COLORREF pen, COLORREF brush);
    void FloodFillWorld3D(CDC* pDC, double x, double y, double z, COLORREF border, COLORREF fill);
    void DrawArc3D(CDC* pDC, double cx, double cy, double cz, double ux, double uy, double uz, double vx, double vy, double vz, COLORREF colour);

    // --- Text buttons and click tests (buttons.cpp) ------------------------------------
    BOOL TextButton(CDC* pDC, int x, int y, const CString& label);
    BOOL TextButtonInPlot(CDC* pDC, int x, int y, int w, int h, const CString& label, COLORREF textColour);
    BOOL TextButtonCore(CDC* pDC, int x, int y, int w, int h, const CString& label, COLORREF textColour);
    BOOL TextButtonSimple(CDC* pDC, int x, int y, const CString& label);
    void DrawFramedLabel(CDC* pDC, int x, int y, int w, int h, const CString& label, COLORREF textColour, COLORREF frame, COLORREF ground);
    BOOL FilledTextButton(CDC* pDC, int x, int y, int w, int h, const CString& text, COLORREF textColour, COLORREF frame);
    BOOL FilledTextButtonInBand(CDC* pDC, int x, int y, int w, int h, const CString& text, COLORREF textColour, COLORREF frame);
    BOOL IsClickInRect(CDC* pDC, int x, int y, int w, int h);
    // Size of an auto-sized button from its label's byte length.
    int ButtonWidth(const CString& label) const;
    int ButtonHeight() const;
    // The stored click (page coordinates) strictly inside the box.
    BOOL IsStoredClickInside(int x, int y, int w, int h) const;
    // Turns "the stored click lies in the button" into the hit the caller
    // acts on: only in the click pass.
    BOOL ReportButtonHit(BOOL inside);
    // Draws a framed auto-sized button and answers whether the stored click
    // lies in it (lit); shared by the family.
    BOOL DrawButtonBox(CDC* pDC, int x, int y, int w, int h, const CString& label, COLORREF textColour);
    // A hit when the stored click lies in the drawn box (zoom and band as
    // IsClickInRect, but in page pixels).
    BOOL IsClickInBox(int x, int y, int w, int h);
    // The row of an auto-sized button stacked below one at aboveY: its own
    // row, or lower when a large font makes the one above reach into it.
    int ButtonRowBelow(int nominalY, int aboveY) const;
    // Tests watch the controls a pass draws: each text button's box (its
    // frame is `frame` pixels around it) and each range glyph's cell, with
    // where and in which font the label is written.
    struct ControlSink {
        virtual ~ControlSink() = default;
        virtual void OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                               const LOGFONT& font) = 0;
    };
    ControlSink* m_pControlSink = nullptr;
    void LogRangeGlyph(const CRect& area, int x, int y, const CString& glyph);
    // The last auto-sized button of a 3-D figure in this pass: its column,
    // its own row and the row it was drawn at (see TextButtonCore).
    int m_nStackX = 0, m_nStackNominalY = 0, m_nStackY = 0;
    BOOL m_bStackValid = FALSE;
    // The buttons of 3-D figures drawn so far in this pass: a later one that
    // would stand on one of them (another column's, a mode's) moves below it.
    static constexpr int kMaxPlacedButtons = 64;
    CRect m_arcPlacedButtons[kMaxPlacedButtons];
    int m_nPlacedButtons = 0;
    // Where a 3-D figure's button at (x, y), h high, stands clear of the
    // ones drawn before it in its column in the pass.
    int ClearOfPlacedButtons(int x, int y, int h) const;
    // Between two buttons of a 2-D row: their two-pixel frames and a pixel.
    static constexpr int kButtonRowGap = 5;
    // The last button of a 2-D figure in this pass: its row, the place it
    // was laid out at and its right edge as drawn (see TextButtonCore).
    int m_nRowY = 0, m_nRowNominalX = 0, m_nRowRight = 0;
    BOOL m_bRowValid = FALSE;
    // The button that answered the last press: a figure drawn twice in the
    // pass (a scene under its cut) draws it again, which must not act again.
    CRect m_rcAnsweredButton;
    int m_nAnsweredSerial = -1;

    // --- Figure placement and text-line visibility (layout.cpp) -----------------------
    BOOL IsGraphBandVisibleAfter(int n) const;
    BOOL IsTextLineVisible(int y);
    void LayoutGraphWindow(double topLines, int leftColumn, int widthColumns, double heightLines);
    void LayoutPictureRect(double topLines, double leftColumns, double widthColumns, double heightLines);

    // --- Pictures (picture_draw.cpp) -------------------------------------------------------
    void DrawPicture(CDC* pDC, const CString& path, int x, int y, int cx, int cy);

    // --- Clicks act once ---------------------------------------------------------------------
    // The mouse handler (and render-page) count every press in m_nClickSerial.
    // The first pass that sees a new count is the click pass; only there do the
    // button hit tests report hits. Printing passes never take the click.
    // OnDraw calls BeginPassClickState() first and EndPassClickState() last;
    // the latter returns TRUE when a button acted, so one more pass can show
    // the new state.
    int m_nClickSerial = 0;
    int m_nClickSerialSeen = 0;   // the press that the last click pass answered
    BOOL m_bClickPass = FALSE;    // this pass answers the last press
    BOOL m_bClickActed = FALSE;   // a hit test reported a hit in this pass
    BOOL IsClickPass() const { return m_bClickPass && ClickReachesFigure(); }
    // The stored click on the page, within the page bound whatever point was
    // stored: the client point on the page origin of the window when it was
    // made, so a scroll never brings something else under it. A click that
    // met nothing in the pass that answered it is spent: it lies nowhere
    // (but where text is revealed down to the click).
    CPoint ClickPagePoint() const;
    CPoint m_ptClickOrigin;          // the client area's page origin at the press
    int m_nClickOriginSerial = -1;   // the press it belongs to
    BOOL m_bClickSpent = FALSE;
    mutable BOOL m_bClickMet = FALSE; // a click test of the click pass found the click
    // A click test's answer, noted for the click pass.
    BOOL NoteClickMet(BOOL inside) const {
        if (inside && m_bClickPass) m_bClickMet = TRUE;
        return inside;
    }
    // The press's page origin is the last pass's: the one the user saw.
    void AnchorClick(BOOL always);
    // The label of the button the last press acted on: only a button so
    // labelled is lit, not one that a rebuilt column puts under the click.
    CString m_strPressedLabel;
    BOOL m_bPressedKnown = FALSE;
    CString m_strTestedLabel; // the button whose hit is reported next
    BOOL m_bLabelTested = FALSE;
    void BeginPassClickState();
    BOOL EndPassClickState();
    // A press on a button costs one pass: the pass first runs the page up to
    // the end of the record whose button acted, drawing nothing after the
    // action that the page's drawing redraws, then draws the whole page in
    // the new state. Only a press inside a button the screen shows starts
    // that first run (its place is logged as each button is drawn).
    BOOL m_bAnsweringClick = FALSE; // the first run of such a pass
    BOOL IsClickAnswered() const { return m_bAnsweringClick && m_bClickActed; }
    static constexpr int kMaxShownButtons = 512;
    CRect m_arcShownButtons[kMaxShownButtons]; // page pixels
    int m_nShownButtons = 0;
    BOOL m_bShownButtonsFull = FALSE; // more buttons than the log holds
    // The first of them logged by this screen pass (a continuation goes on
    // with the pass it continues): those before stand from earlier passes.
    int m_nShownButtonsOfPass = 0;
    void LogShownButton(int x, int y, long long w, long long h);
    // Where a screen pass paints over the picture (the page's background, a
    // figure's frame), the buttons earlier passes left there are drawn again
    // or gone; a pass that keeps a figure as drawn keeps its buttons too.
    void ForgetShownButtonsIn(const CRect& pageBox);
    // The lit button as drawn unlit: a press elsewhere that leaves its
    // figure as drawn puts it back, as a full repaint draws it then.
    CRect m_rcLitButton;
    std::shared_ptr<CBitmap> m_pLitButtonUnder;
    std::shared_ptr<CBitmap> m_pLitButtonLit;
    BOOL KeepUnlitButton(CDC* pDC, const CRect& box);
    void KeepLitButton(CDC* pDC);
    void UnlightKeptButton(CDC* pDC);
    BOOL IsClickOnShownButton() const;
// clang-format on
