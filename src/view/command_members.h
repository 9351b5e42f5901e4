// Members of CPemroView: the menu commands (topics, colours and fonts,
// display modes, external programs) and the mouse.
// Included inside the class body of CPemroView (view/view.h).
// clang-format off

    // --- Command routing (view_commands_dispatch.cpp) ------------------------
    // Runs the command of `nID` from the tables of view/menu_tables.h.
    BOOL OnCommand(UINT nID) override;
    // Every command of the tables is enabled; none shows a check mark.
    BOOL OnUpdateCommand(CCmdUI* pCmdUI) override;

    // --- Topic selection (view_commands_topics.cpp) --------------------------
    // Resets the view to the row's family and selects its topic script.
    void SelectTopic(const struct TopicRow& row);
    void OnDataLevel(int level);     // directory level 0..2, no reset
    void OnDataVariant(int variant); // directory variant 0..3, no reset

    // --- Colours and fonts (view_commands_colours.cpp) -----------------------
    // The colour dialog for colour slot 0..21; Cancel changes nothing.
    void ChooseColour(int slot);
    // A colour menu item: ChooseColour, then the slot's palette entry.
    void OnColourCommand(int slot);
    // The font dialog on the working font and the body-text colour.
    void OnChooseFont();
    void OnFontChange(int textFont); // 字体改变: into m_alfTextFont[textFont]
    void OnPixelSize(int size);
    void OnFontStep(int delta);
    void OnFormulaFontStep(int delta);
    void OnLetterSize(int tenths);
    void OnLineSpacing(int tenths);
    void OnLettersItalic(int italic);
    void OnNonChineseColour(int mode);
    void OnFontWeight(int factor);
    void OnPrintColours(int original);
    // Redoes the four surface colours' RGB triples from their slots.
    void SplitSurfaceColours();

    // --- Display modes and backgrounds (view_commands_display.cpp) -----------
    void OnRevealMode(int mode); // kReveal* below
    // One step of the line-by-line display for the stored click.
    void OnNextLine();
    void OnBackgroundPicture(int n); // 1..6; 0 the user's own picture
    void OnBrightness(int delta);
    void OnBrightness3D(int delta);
    void OnPlainBackground();
    void OnBackgroundPattern(int n);
    void OnDisplayPreset(int n); // 方式1..4
    void OnGrid(int hidden);
    void OnGridSize(int size);
    void OnShowMouseCoords(int on);
    void OnShowSelectionBox(int on);
    void OnProjectionDisplay(int mode);
    void OnShowContent(int all);
    void OnToggleProblem();

    // --- Solid-figure settings (view_commands_solid.cpp) ----------------------
    void OnPendingUpperStyle(int style);
    void OnPendingLowerStyle(int style);
    void OnDrawInverted(int on);
    void OnPendingRegionType(int type);
    void OnPendingProjectBase(int on);
    void OnPendingProjectXoy(int on);
    void OnCutZc(int on);
    void OnDrawSurfaceIntersection(int on);
    void OnNoUpperCurve();              // 32990
    void OnNoLeftCurve();               // 32961
    void OnUpperSurfaceStyleNow(int style); // 33013 / 33014
    void OnEndSubDemo();                // 32980
    void OnRotation(int which);         // index into the rotation angles
    // Range steps on the saved copy.
    void OnRangeXNarrower();
    void OnRangeYWider();
    void OnRangeYNarrower();
    void OnRangeZWider();
    void OnRangeZNarrower();
    void StepSavedRange(int axis, double fraction, BOOL wider);
    void OnParamStep(int up);
    void OnPlaneCmds(int on);
    void OnCurveCoefEdit(int on);
    void OnSurfaceCoefEdit(int on);
    void OnCoefEditOff();

    // --- External programs (view_commands_external.cpp) -----------------------
    void OnEditScript(int which); // 0 Windows98/me, 1 Windows2000, 2 Windows xp
    // Opens a page of the program folder in the browser.
    void OpenHtmlPage(CString page);
    void OnOpenHtmlPage(int n); // 1.htm, 2.htm
    // The file dialog for a background picture of the user's own.
    void OnChooseBackgroundPicture();

    // --- The screen's look around a print (view_print.cpp) ----------------------
    // The print hooks switch to print colours; what the screen showed before
    // comes back afterwards (not the defaults, which under a display preset
    // gave black text on the dark picture).
    struct ScreenLook {
        COLORREF colourSlots[kColourSlotCount];
        COLORREF palette[kPaletteSize];
        int backgroundMode;
        BOOL showSelectionBox;
        // Fonts a print sizes for the paper; the next screen pass starts with
        // the ones the screen left.
        LOGFONT currentFont;
        LOGFONT textFonts[kTextFontCount];
        bool saved; // an end without a beginning changes nothing
    };
    ScreenLook m_screenLookBeforePrint = {};
    void SaveScreenLook();
    void RestoreScreenLook();

    // --- Mouse and the cursor point (view_mouse.cpp) ---------------------------
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnCursorLeft();
    void OnCursorRight();
    void OnCursorDown();
    void OnCursorUp();

    // Arguments of OnRevealMode.
    static constexpr int kRevealFromStart = 0;   // 逐行显示(从头开始)
    static constexpr int kRevealFromCurrent = 1; // 逐行显示(从当前行开始)
    static constexpr int kRevealToPosition = 2;  // 指定位置显示
    static constexpr int kRevealScroll = 3;      // 滚动显示
// clang-format on
