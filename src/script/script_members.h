// Members of CPemroView: the paint pass, the script readers, the command
// chain and the commands the page driver handles itself.
// Included inside the class body of CPemroView (view/view.h).
// clang-format off

    // --- The paint pass (script/page_draw.cpp) -------------------------------
    void BuildDataFileName();
    void LayoutFromClipBox(CDC* pDC);
    void PaintPageBackground(CDC* pDC);
    void PaintPatternBackground(CDC* pDC);
    // The pattern is the same in every pass over the same box and setting:
    // computed once into m_bmpPattern, then copied.
    void PaintPatternBackgroundCached(CDC* pDC);
    CBitmap m_bmpPattern;
    // For each row of m_bmpPattern the first of the equal rows it belongs to.
    std::vector<int> m_anPatternRows;
    int m_anPatternKey[10] = {}; // what m_bmpPattern shows (PatternKey)
    void ResetPassFields();
    void ResetRegionRect(); // inside the world range by a twentieth of it
    void DrawFamilyHeading(CDC* pDC);
    // One drawing of the page from its first record (OnDraw runs one, or
    // two for a press on a button).
    void DrawPagePass(CDC* pDC);
    // The page's records from the top; FALSE when it ended early.
    BOOL DrawPage(CDC* pDC);
    BOOL RunRecordLoop(CDC* pDC, CStdioFile* pFile, int nFontStepAtStart);
    // A pass ends its walk a box's height below the box it paints, where no
    // record can draw into it, once a whole walk has measured the page in
    // the same layout: the page's end is then taken from that walk.
    BOOL WalkMayEndHere() const;
    void NoteWholeWalk();
    struct WalkEnd {
        bool known = false;
        int key[7] = {};
        int textEnd = 0, contentEnd = 0;
    };
    WalkEnd m_walkEnd;
    void WalkEndKey(int* key) const;
    int m_nPassRecords = 0; // records the last pass read
    void FinishFile(int nFontStepAtStart);
    // A page cut at kPageLimit shows nothing at or below the bound but one
    // line that says so, just below it; the page then ends at PageCutEnd.
    CRect ClipAboveCut(CDC* pDC) const;
    int PageCutNoticeTop() const;
    int PageCutEnd() const;
    void DrawPageCutNotice(CDC* pDC);

    // --- Resume points of the walk (script/walk_resume.cpp) -------------------
    // A printed sheet or a screen pass far down the page need not read the
    // records above it from the top: earlier passes keep, at records above
    // their own box, everything the walk carries from record to record, and
    // a later pass of the same layout, page and settings starts at the last
    // such point above its box. Nothing is kept where a record might still
    // draw into the box, and a pass that starts from other settings forgets
    // them. Not for a pass that answers a click or watches the records.
    static void SetWalkResumeEnabled(bool enabled);
    static bool WalkResumeEnabled();
    void BeginWalkResume(CDC* pDC, CStdioFile* pFile, int* prevParam);
    void KeepWalkResumePoint(CStdioFile* pFile, int prevParam);
    std::shared_ptr<WalkResumeStore> m_pWalkResume;
    bool m_bTakeWalkPoints = false; // this pass keeps resume points
    int m_nWalkPointTextY = 0;      // where the pass kept its last one
    int m_nWalkResumedAt = -1;      // the record the last pass started at (-1: the top)
    struct FigureWalkMarks {
        int record, figure, lastKept;
        bool figureKept, entered, figurePassed, currentKept;
        BOOL clickActedBefore;
    };
    FigureWalkMarks GetFigureWalkMarks();
    void SetFigureWalkMarks(const FigureWalkMarks& marks);
    void CaptureFigureFields(std::vector<char>* out);
    void ApplyFigureFields(std::vector<char>& in);
    std::vector<char>* FigureFlow();

    // --- The pass budget (script/pass_budget.cpp) ----------------------------
    // A screen pass draws figures until its share of processor time is spent
    // (the passes of one render call share it); the figures after that are
    // laid out, so the page below them stays in place, but drawn by a
    // continuation pass, which keeps what this one drew and starts at the
    // first figure left. Every pass draws at least one figure. Printing
    // draws every figure.
    static void SetPassBudget(std::chrono::milliseconds budget);
    static std::chrono::milliseconds PassBudget();
    void BeginPassBudget(CDC* pDC);
    void EndPassBudget();
    // Called as each figure is laid out: TRUE when another pass draws it. A
    // figure off the painted box never stops the pass: it draws nothing.
    BOOL SkipFigureThisPass(BOOL bOnScreen);
    // For a figure that draws in parts: the processor time left to the pass
    // (without end when it has no budget), and the stop after which the
    // continuation draws the current figure again, its buttons no longer
    // answering the click.
    std::chrono::nanoseconds PassBudgetLeft() const;
    void StopPassInFigure();
    // A click answered by the current figure's buttons: not by a figure
    // another pass draws, nor twice by the same figure over passes.
    BOOL ClickReachesFigure() const {
        return !m_bFigureSkipped && !(IsContinuationPass() &&
                                      m_nPassFigure <= m_nResumeFigure + (m_bResumeInFigure ? 1 : 0));
    }
    int m_nPassFigure = 0;         // figures laid out so far in this pass
    int m_nResumeFigure = 0;       // the first figure this pass draws
    int m_nStopFigure = -1;        // the first figure left for the next pass
    BOOL m_bFigureSkipped = FALSE; // the current figure is drawn by another pass
    BOOL m_bPassBudgeted = FALSE;
    BOOL m_bStopInFigure = FALSE;   // this pass stopped inside a figure
    BOOL m_bResumeInFigure = FALSE; // and this one goes on inside it
    BOOL m_bResumeClickPass = FALSE; // the stopped pass answered a click
    BOOL m_bResumeFullRepaint = FALSE; // and repainted its whole box
    std::chrono::nanoseconds m_tPassBudgetStart{0};
    CRect m_rcPassClient;          // the pass's clip in client coordinates
    // 3-D figures set up in this pass: they cost the most in instrumented
    // builds, which time passes against a larger allowance for them.
    int m_nPassScenes = 0;

    // --- Record headers and argument readers (script/record_reader.cpp) ------
    void ParseRecordHeader();
    void ReadCommandRecord(CStdioFile* pFile);
    void ReadLabelLines(CStdioFile* pFile);
    int CommandLineLength() const;
    BOOL IsArgListOpen() const; // another argument follows the cursor
    double ReadScriptNumber(int nPos);
    void ReadScriptString(int nPos);
    void ReadScriptColors(BOOL bPen, BOOL bFill);
    int ReadScriptNumberList(int nWhich);
    void ReadFrameRect(int nPos);
    // The four frame numbers, then the figure laid out from them.
    void ReadAndLayoutFrame(int nPos);
    int ReadCoefficientList(double* pTarget); // DATA1/DATA2 lists, at most 20
    // --- Figure set-ups (script/plot_setup.cpp) -------------------------------
    // Frame, placement and the f and g indexes; false when not placed.
    bool ReadFigureFrameAndFunctions(int nPos);
    void ReadPlotSetup(int nPos);
    void ReadPlotSetup3D(int nPos);
    // The first optional number of the last 2-D set-up as written (it is
    // also kept as the integer m_nPlotOption1), for commands that read a
    // coordinate there.
    double m_dPlotOption1Value = 0;

    // --- The command chain (script/command_chain.cpp) -------------------------
    // Runs the keyword tests on m_szCommandLine; FALSE when a section ended
    // the pass (an answer button was clicked).
    BOOL RunCommandChain(CDC* pDC);
    BOOL PassesCommandGate();
    // Resets the limit demonstration before every command past the gate
    // (also the menu-less command 32900).
    void OnResetLimitState();

    // --- Answers, pictures and data (script/answer_commands.cpp, ...) ---------
    void NextAnswerBlock();
    BOOL IsAnswerBlockClosed(int nBlock) const;
    void DrawChoiceQuestion(CDC* pDC, int nKind, const int* pnFlags, int nBlock);
    void DrawFoldButton(CDC* pDC, int nKind, int nBlock);
    void ToggleAnswerBlock(int nBlock);
    void ClearAnswerVerdict(); // the topic reset forgets the verdict shown

    // Fields of the engine that the view's data model does not list.
    // The verdict of the last choice clicked ("对"/"错"): it stays shown on
    // later passes of the page although the click acts only once.
    int m_nAnswerVerdictBlock = -1;
    BOOL m_bAnswerVerdictRight = FALSE;
    CString m_strAnswerVerdictPath;
    // Set by a section that ends the pass at once (answer buttons).
    BOOL m_bPassEndedEarly = FALSE;
    // The names "Html" met during this visit of the topic, and the files it
    // opened: each file opens once, however many names the script gives it
    // and however often it is drawn, and only a few a visit. The topic reset
    // starts a new visit.
    std::set<CString> m_setHtmlPagesOpened;
    std::set<std::string> m_setHtmlFilesOpened;

    // --- Command sections, one per keyword test, in the order of the chain ---
    // Each reads its own arguments from m_szCommandLine and sits with its
    // subsystem's routines.
    void CmdFont(CDC* pDC);
    void CmdCloseAnswer(CDC* pDC);
    void CmdLoadBmp(CDC* pDC);
    void CmdHtml(CDC* pDC);
    void CmdAnswer(CDC* pDC);
    void CmdDisconnection(CDC* pDC);
    void CmdDATAs(CDC* pDC);
    void CmdDATA1(CDC* pDC);
    void CmdDATA2(CDC* pDC);
    void CmdProjDomain(CDC* pDC);
    void CmdRegion(CDC* pDC);
    void CmdText2(CDC* pDC);
    void CmdTextDert(CDC* pDC);
    void CmdText3(CDC* pDC);
    void CmdTextz(CDC* pDC);
    void CmdLine2(CDC* pDC);
    void CmdLINE2(CDC* pDC);
    void CmdLine3(CDC* pDC);
    void CmdLINE3(CDC* pDC);
    void CmdLine_Point(CDC* pDC);
    void CmdParabola(CDC* pDC);
    void CmdFloodfill2(CDC* pDC);
    void CmdFloodfill3(CDC* pDC);
    void CmdArc2(CDC* pDC);
    void CmdArc3(CDC* pDC);
    void CmdEllipse2(CDC* pDC);
    void CmdEllipse3(CDC* pDC);
    void CmdCurve(CDC* pDC);
    void Cmdcurve(CDC* pDC);
    void CmdcurveDert(CDC* pDC);
    void CmdDAlembert(CDC* pDC);
    void CmdPeriod(CDC* pDC);
    void CmdInverse(CDC* pDC);
    void Cmdinverse(CDC* pDC);
    void CmdSequence(CDC* pDC);
    void CmdSequence2(CDC* pDC);
    void CmdLimit(CDC* pDC);
    void CmdDerivative1(CDC* pDC);
    void CmdDerivative2(CDC* pDC);
    void CmdTangentLine2(CDC* pDC);
    void Cmdtangentline2(CDC* pDC);
    void CmdTangentLine3(CDC* pDC);
    void CmdTangentPlane(CDC* pDC);
    void CmdRoot(CDC* pDC);
    void CmdLeastSquareMethod(CDC* pDC);
    void CmdMeanDifferential(CDC* pDC);
    void CmdMeanCalculus1(CDC* pDC);
    void CmdMeanCalculus2(CDC* pDC);
    void CmdContour(CDC* pDC);
    void CmdSeries1(CDC* pDC);
    void CmdSeries2(CDC* pDC);
    void CmdCalculus1(CDC* pDC);
    void Cmdcalculus1(CDC* pDC);
    void CmdRomberg(CDC* pDC);
    void CmdCalculus2(CDC* pDC);
    void Cmdcalculus2(CDC* pDC);
    void CmdRevolve(CDC* pDC);
    void CmdFourier(CDC* pDC);
    void CmdDiffEquation1(CDC* pDC);
    void CmdDiffEquations(CDC* pDC);
    void CmdDomainxy(CDC* pDC);
    void CmdDomainr(CDC* pDC);
    void CmdSurf(CDC* pDC);
    void CmdSphSurf(CDC* pDC);
    void CmdCylSurf(CDC* pDC);
    void CmdSolid(CDC* pDC);
    void CmdDots(CDC* pDC);
    void CmdVector2(CDC* pDC);
    void CmdVector3(CDC* pDC);
    void CmdBoundaryVector(CDC* pDC);
    void CmdDotVector(CDC* pDC);
    void CmdSpaceCurve(CDC* pDC);
    void CmdCylinder(CDC* pDC);
    void CmdCylCoord(CDC* pDC);
    void CmdSpherCoord(CDC* pDC);
    void CmdAreaElement(CDC* pDC);
    void CmdElectric(CDC* pDC);
    void CmdPloygon(CDC* pDC);
    void CmdFreeVector2(CDC* pDC);
    void CmdFreeVector3(CDC* pDC);
    void CmdField(CDC* pDC);
    void CmdVibration(CDC* pDC);
    void CmdPlane3(CDC* pDC);
    void CmdPLANE(CDC* pDC);
    void CmdPlanePencil(CDC* pDC);
    void CmdCube(CDC* pDC);
    void CmdTangentVector(CDC* pDC);
    void CmdDirectDerive(CDC* pDC);
    void CmdInnerPoint(CDC* pDC);
    void CmdCoordinateSystem(CDC* pDC);
    void CmdWaterFlow(CDC* pDC);
    void CmdIntegralApp(CDC* pDC);
    void CmdCircularCone(CDC* pDC);
    void CmdDirectLimit(CDC* pDC);
    void CmdB2_AC(CDC* pDC);
    void CmdBoxLine(CDC* pDC);
    void CmdRectangular(CDC* pDC);
    void Cmddots(CDC* pDC);
    void CmdPolygon(CDC* pDC);
    void CmdPolygon3(CDC* pDC);
    void CmdPrint(CDC* pDC);
    void CmdChord(CDC* pDC);
    void CmdNormalCurve(CDC* pDC);
    void CmdDifferentiation(CDC* pDC);
    void CmdCurvature(CDC* pDC);
    void CmdPRNCalculus(CDC* pDC);
    void CmdDisDistribution(CDC* pDC);
    void CmdConDistribution(CDC* pDC);
    void CmdRegionEstimate(CDC* pDC);
    void CmdAssumeVerify(CDC* pDC);
    void CmdRegression1(CDC* pDC);
    void CmdRegressionm(CDC* pDC);
    void CmdApproximation(CDC* pDC);
    void CmdCurvespecialfunc(CDC* pDC);
    void CmdLineInterpolate(CDC* pDC);
    void CmdLargange(CDC* pDC);
    void CmdNewton(CDC* pDC);
    void CmdSplines(CDC* pDC);
    void CmdGauss(CDC* pDC);
    void CmdJacobiSeidel(CDC* pDC);
    void CmdPowerMethod(CDC* pDC);
    void CmdLU(CDC* pDC);
    void CmdQR(CDC* pDC);
    void CmdJacobiMethod(CDC* pDC);
    void CmdMatrixtransform(CDC* pDC);
    void CmdDet(CDC* pDC);
    void CmdGradient(CDC* pDC);
    void CmdToolbarData(CDC* pDC);
    void CmdSphereCurveMove(CDC* pDC);
    void CmdSphereSurfMove(CDC* pDC);
    // --- A figure's own state (script/figure_state.cpp) -----------------------
    // Figures of one page share the view's fields; each keeps its own copy of
    // them, by its command record's place in the script, so that what it
    // shows does not depend on the other figures or on what was scrolled
    // past. Changes made between passes (menus, dialogs) reach every figure,
    // but for the point picked in a figure, which stays that figure's.
    void BeginFigureStatePass();   // a pass starts: the page's own state back
    void StartFigureStateFlow();   // after the per-pass resets
    void EndFigureStatePass();     // every way out of a pass
    void BeginCommandRecordState(); // before a command record runs
    void EndCommandRecordState();   // after it ran
    void EnterFigureState();        // the record lays out its figure
    void PassFigureStateBy();       // the same, for a figure off the box
    void ForgetFigureStates();      // the topic reset
    // The key of the figure whose records run (-1: none yet).
    int FigureStateKey() const;
    // The figure's own picked point into the view, before the mouse works
    // on it: the view holds another figure's between passes.
    void HoldFigurePoint(int figure);
    std::shared_ptr<FigureStateStore> m_pFigureStates;
    // A pass that keeps the page's picture (a click that met no button)
    // leaves a figure whose frame it did not draw again as it is: the
    // command records after that frame draw nothing, or their marks would
    // land over those of later records that the pass does not draw again.
    // Their buttons are still laid out and answer. The figure's own command
    // stops drawing where it finds its frame kept (KeepFigureAsDrawn); the
    // discard ends with the record and starts again with the next one of the
    // figure, until the next figure is laid out.
    void KeepFigureAsDrawn(CDC* pDC);
    void EndKeptFigureRecord();
    CDC* m_pKeptFigureDC = nullptr; // drawing discarded on it meanwhile
    // The command gate reset the limit state for the record now running.
    BOOL m_bGateResetLimitState = FALSE;
// clang-format on
