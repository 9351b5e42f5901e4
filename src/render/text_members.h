// Members of CPemroView: typesetting of script text and labelled numbers.
// Included inside the class body of CPemroView (view/view.h).
// clang-format off

    // --- Text records and paragraphs (text_records.cpp, text_paragraphs.cpp)
    // Typesets one text record; the file stands behind its three header
    // bytes and m_nRecClass/m_nRecSubtype/m_nRecParam are set.
    void TypesetTextRecord(CDC* pDC, CStdioFile* pFile, int nPrevParam);
    // Parses m_szRecordHeader into the look-ahead fields m_nNextRec*.
    void PeekRecordHeader();
    // One continuation piece of a paragraph (raised, lowered, angled, wide).
    void DrawContinuationRecord(CDC* pDC, const char* line, int cls, int subtype, int param,
                                int y, int colour);
    // Click-to-reveal: blanks the part of m_szTextLine not yet uncovered.
    void HideLineTailBeyondClick(CDC* pDC, int y, int origin);

    // --- Text writers (text_writers.cpp) --------------------------------------
    void DrawTextStyle0(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle1(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle2(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle7(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle9(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle11(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle12(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle13(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle14(CDC* pDC, int x, int y, const char* text, int colour);
    void DrawTextStyle3Scaled(CDC* pDC, int x, int y, double widthScale, double heightScale,
                              const char* text, int colour);
    void DrawTextRotated(CDC* pDC, int x, int y, const char* text, int colour,
                         int escapementDegrees, int orientationDegrees);
    void DrawTextAtAngle(CDC* pDC, int angleCode, int x, int y, const char* text, int colour);
    void DrawPlainTextLine(CDC* pDC, int x, int y, double widthScale, double heightScale,
                           const char* text, int colour);
    void DrawGlyphBitmap(CDC* pDC, int glyph, int x, int y, COLORREF colour);

    // --- The three typesetting passes (text_passes.cpp) ----------------------
    void DrawScriptLinePass1(CDC* pDC, int style, int x, int y, const char* text, int colour);
    void DrawScriptLinePass2(CDC* pDC, int style, int x, int y, const char* text, int colour);
    void DrawScriptLinePass3(CDC* pDC, int style, int x, int y, const char* text, int colour);

    // --- Labelled strings and numbers in figures (text_labels.cpp) ----------
    void DrawStringWorld(CDC* pDC, double x, double y, const CString& text, COLORREF colour);
    // The same, the text kept inside the plot box.
    void DrawStringWorldInPlot(CDC* pDC, double x, double y, const CString& text,
                               COLORREF colour);
    void DrawLabelIntegerWorld(CDC* pDC, double x, double y, const CString& label, int dx, int dy,
                               double value, COLORREF colour);
    void DrawNumber(CDC* pDC, int x, int y, int decimals, double value, COLORREF colour);
    // The font DrawNumber writes in, and the size of a number written so.
    LOGFONT NumberFont() const;
    CSize NumberExtent(CDC* pDC, int decimals, double value) const;
    void DrawLabelNumber(CDC* pDC, int dy, double x, double y, const CString& label, int decimals,
                         double value, COLORREF colour);
    void DrawLabelNumberBoxed(CDC* pDC, int x, int y, const CString& label, int decimals,
                              double value, COLORREF colour);
    void DrawLabelValueUnit(CDC* pDC, double x, double y, const CString& label, int decimals,
                            double value, const CString& unit, COLORREF colour);
    // The height of a DrawLabelValue row in the plot's y units (0 without a plot).
    double LabelValueRowHeight(CDC* pDC);
    void DrawLabelValue(CDC* pDC, double x, double y, const CString& label, int decimals,
                        double value, COLORREF colour);
    void DrawLabelValueSmall(CDC* pDC, double x, double y, const CString& label, int decimals,
                             double value, COLORREF colour);
    // The same, moved off the figure's text and waiting read-outs where it
    // would stand on them (a read-out that follows a point about the plot).
    void DrawLabelValueSmallClear(CDC* pDC, double x, double y, const CString& label,
                                  int decimals, double value, COLORREF colour);
    // A label's sub- or superscript (or bar) in the small label font,
    // without a box of its own: a box would wipe the label it belongs to.
    void DrawLabelAccent(CDC* pDC, double x, double y, const CString& label, int decimals,
                         double value, COLORREF colour);
    // How far (world x) a small piece at x2 goes left to end before the sign
    // after the spaces of label1 written at x: 0 where it does already.
    double LabelAccentPull(CDC* pDC, double x, const CString& label1, double x2,
                           const CString& label2, int decimals2, double value2);
    void DrawLabelValuePair(CDC* pDC, double x, double y, const CString& label1, int decimals1,
                            double value1, const CString& label2, int decimals2, double value2,
                            double dx, double dy, COLORREF colour);
    void DrawLabelValue3D(CDC* pDC, double x, double y, double z, const CString& label,
                          int decimals, double value, COLORREF colour);
    int BelowHeldValueLabels(CDC* pDC, int px, int py, const CString& label, int offset,
                             int decimals, double value);
    void DrawRadiusLabels(CDC* pDC, int left, int top, int right, int bottom);
    // Value labels stand on their box over the figure's lines: while the
    // record loop runs, their pieces wait until the figure is done (the next
    // text record or figure, an animation frame shown, the end of the pass).
    struct HeldValuePiece {
        CDC* dc;
        int x, y;
        std::string text;
        LOGFONT font;
        COLORREF colour, ground;
        int mode;
        CRect clip, cell;
        bool follows; // the rest of the label before it
    };
    std::vector<HeldValuePiece> m_aHeldValuePieces;
    bool m_bHoldValueLabels = false;
    void HoldValueLabels() { m_bHoldValueLabels = true; }
    // Writes the waiting pieces in the order they came; holding goes on.
    void WriteHeldValueLabels();
    // The same, and the figure's axis names after them.
    void FlushValueLabels();
    // The waiting pieces that something about to be written meets.
    void FlushValueLabelsUnder(const CRect& box);
    // Something opaque is about to cover the box: the waiting pieces wholly
    // inside it are never written, those it meets are written first.
    void CoverValueLabels(const CRect& box);
    void WriteHeldValuePieces(const std::vector<HeldValuePiece>& pieces);
    // The same, and later pieces are written at once.
    void EndValueLabels();
    // A frame shown within a pass shows the labels written so far; the axis
    // names wait for the figure's end, to be placed clear of all its text.
    void BeforeShow() override { WriteHeldValueLabels(); }
    // Axis names of a figure wait with its value labels and are written
    // after them, each at the nearest place to its own where no text or
    // button of the figure stands (label_places.cpp).
    struct HeldAxisName {
        std::vector<HeldValuePiece> pieces;
        bool anchored; // at the end of an arrow: `anchor`
        CPoint anchor;
    };
    std::vector<HeldAxisName> m_aHeldAxisNames;
    // An axis drawn again names its end where it did the first time.
    struct PlacedAxisName {
        std::string text;
        CPoint anchor, at;
    };
    std::vector<PlacedAxisName> m_aPlacedAxisNames;
    bool m_bHoldAxisNames = false; // the arrows drawn now name axes
    bool m_bAxisNameOpen = false;  // text written now is a held name's
    // The cells of the text and the boxes of the buttons the figure drawing
    // now has written, and its frame: where a held name may not stand, and
    // where it must.
    std::vector<CRect> m_aFigureBoxes;
    std::vector<CRect> m_aText3Cells; // the space points' names the figure has written
    CRect m_rcFigureFrame;
    bool m_bNoteFigureBoxes = false;
    // The record and the box the boxes are noted for: a second command of
    // the same record drawing into the same box goes on with them.
    int m_nFigureBoxesRecord = -1;
    CRect m_rcFigureBoxesBox;
    // A point's name written in a figure stands at the nearest place clear
    // of the figure's text, its buttons and the value labels waiting to be
    // written, inside `within` (else the figure's frame); the same name at
    // the same point goes where it went before.
    struct PlacedPointName {
        std::string text;
        CPoint from, to;
    };
    std::vector<PlacedPointName> m_aPlacedPointNames;
    CPoint ClearOfFigureText(CDC* pDC, int x, int y, const CString& text,
                             const CRect& within = CRect());
    void BeginFigureBoxes(const CRect& frame);
    void EndFigureBoxes();
    void NoteFigureBox(const CRect& box);
    void NoteFigureFrame(const CRect& frame);
    // While a command record draws, its figure draws inside its frame: the
    // DC's clip is the record's own clip cut to the frame, and a piece of the
    // figure's text that would stand outside the frame is not written (a
    // point's name when the point has left the ranges).
    CDC* m_pFigureClipDC = nullptr;
    CRect m_rcRecordClip;
    bool m_bWritingFigureText = false;
    void BeginFigureClip(CDC* pDC);
    void EndFigureClip();
    void ApplyFigureClip();
    CRect FigureClip() const;
    CRect HeldNameClip(CDC* pDC) const;
    bool IsOutsideFigureFrame(CDC* pDC, const std::string& text, const CRect& cell) const;
    class FigureClipScope {
    public:
        FigureClipScope(CPemroView* v, CDC* pDC) : m_v(v), m_was(v->m_bWritingFigureText) {
            v->m_bWritingFigureText = true;
            v->BeginFigureClip(pDC);
        }
        ~FigureClipScope() {
            m_v->EndFigureClip();
            m_v->m_bWritingFigureText = m_was;
        }
        FigureClipScope(const FigureClipScope&) = delete;
        FigureClipScope& operator=(const FigureClipScope&) = delete;

    private:
        CPemroView* m_v;
        bool m_was;
    };
    // Between the two, what the writers write is one axis name, held.
    void BeginAxisName();
    void BeginAxisName(CPoint anchor);
    void EndAxisName();
    void PlaceHeldAxisNames();
    // The labels of the arrows drawn in its life are axis names.
    class AxisNamesHeld {
    public:
        explicit AxisNamesHeld(CPemroView* v) : m_v(v), m_was(v->m_bHoldAxisNames) {
            v->m_bHoldAxisNames = true;
        }
        ~AxisNamesHeld() { m_v->m_bHoldAxisNames = m_was; }
        AxisNamesHeld(const AxisNamesHeld&) = delete;
        AxisNamesHeld& operator=(const AxisNamesHeld&) = delete;

    private:
        CPemroView* m_v;
        bool m_was;
    };

    // --- Shared by the writers ---------------------------------------------
    // A palette number as a colour; numbers without an entry (the header
    // letters a..i give negative ones) take the body-text entry 7.
    COLORREF TextPaletteColour(int colour) const;
    // The colour of letters, digits and operators by m_nNonChineseColorMode.
    COLORREF NonChineseTextColour(int colour) const;
    // Writes bytes at a client point in the selected font; every piece of
    // typeset text goes through here.
    void PutTypesetText(CDC* pDC, int x, int y, const char* gbk, int count);
    // Paints glyph bitmap `glyph` over one character cell at a client point.
    void PaintGlyphCell(CDC* pDC, int glyph, int x, int y, COLORREF colour);

    // Receives every piece of typeset text as it is written (tests and
    // diagnostics); normally null.
    struct TextSink {
        virtual ~TextSink() = default;
        virtual void OnText(int x, int y, const char* gbk, int count, const LOGFONT& font,
                            COLORREF colour) = 0;
        // The same with whether the piece stands on an opaque box (which
        // hides what lies under its cell).
        virtual void OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font,
                                 COLORREF colour, bool opaque) {
            (void)opaque;
            OnText(x, y, gbk, count, font, colour);
        }
        // A figure placed in this pass (its box in page pixels, and whether
        // it is drawn), and where each script record begins.
        virtual void OnFigurePlaced(const CRect& box, bool visible) { (void)box, (void)visible; }
        virtual void OnRecordBegins(bool command) { (void)command; }
        // A figure's frame (its shaded ground) as drawn.
        virtual void OnFigureFrame(const CRect& frame) { (void)frame; }
    };
    TextSink* m_pTextSink = nullptr;

// clang-format on
