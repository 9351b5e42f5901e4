// Members of CPemroView: the catalogue selections of the 函数 menu, the range
// steps, and the commands that open the parameter dialogs.
// Included inside the class body of CPemroView (view/view.h).
// clang-format off

    // --- Catalogue selections (view_catalog_commands.cpp) --------------------
    // Only pending indices and flags are written; the next figure set-up
    // commits them (SaveRestoreDisplaySettings). Nothing repaints here.
    // Kinds: 0 F(x), 1 lower/left curve g(x), 2 upper/right curve f(x),
    // 3 lower surface g(x,y), 4 upper surface f(x,y).
    void SelectCatalogFunction(int kind, int index);
    void OnSelectFuncF(int k);          // F(x)(显函数) item of form k
    void OnSelectFuncUpper(int k);      // f(x) item
    void OnSelectFuncLower(int k);      // g(x) item
    void OnSelectParametric(int k);     // 参数式 item
    void OnSelectImplicit(int k);       // 隐函数 item
    void OnSelectSurfaceUpper(int k);   // 上曲面函数 item
    void OnSelectSurfaceLower(int k);   // 下曲面函数 item
    void OnSelectSecondOrder(int form); // P1..P6 of y''=f(x,y,y')
    void OnSelectCombination(int mode); // y=F(x), f/g, fg, f+g, f-g
    void OnFuncFExtension(int kind);    // kFuncFPeriodic.. below
    void OnSideSurfaces(int mode);      // 2, 1, 0
    void OnPreviousFunction();

    // Arguments of OnFuncFExtension.
    static constexpr int kFuncFPeriodic = 0; // 周期函数
    static constexpr int kFuncFEven = 1;     // 偶函数
    static constexpr int kFuncFOdd = 2;      // 奇函数
    static constexpr int kFuncFPlain = 3;    // 取消

    // --- Range steps on the saved ranges (view_catalog_commands.cpp) ----------
    void OnRangeXMaxUp();
    void OnRangeXMaxDown();
    void OnRangeXMinUp();
    void OnRangeXMinDown();
    void OnRangeYMaxUp();
    void OnRangeYMaxDown();
    void OnRangeYMinUp();
    void OnRangeYMinDown();
    void OnRangeZMinUp();
    void OnRangeZMinDown();
    void OnRangeZMaxUp();
    void OnRangeZMaxDown();
    void OnRangeInitMinUp();
    void OnRangeInitMinDown();
    void OnRangeInitMaxUp();
    void OnRangeInitMaxDown();
    // Moves one end of a saved range by a fraction of its span; `end` is an
    // index into m_adSavedWorldRange (0..5) or 6, 7 for the interval a, b.
    void StepSavedRangeEnd(int end, int sign);

    // --- Parameter dialogs (view_dialog_commands.cpp) ---------------------------
    // Each fills its dialog from the saved copies, runs it, and on 确定 writes
    // back; the next paint applies the result. Cancel writes nothing.
    void OnOneVariableFunctionDialog();  // 对话框 > 一元函数
    void OnUpperCurveCoefDialog();       // 上曲线(右曲线\上曲面)
    void OnLowerCurveCoefDialog();       // 下曲线(左曲线\下曲面)
    void OnUpperSurfaceCoefDialog();     // 在对话框中修改曲面系数 > 上曲面
    void OnLowerSurfaceCoefDialog();     // 在对话框中修改曲面系数 > 下曲面
    void OnDataXDialog();                // Xi
    void OnDataYDialog();                // Yi
    void OnRangeDialog();                // 范围
    void OnRelatedParametersDialog();    // 相关参数
    void OnChangeCurveParams();          // 改变X0,Y0,A,B,C,周期
    void RangeDialogVariant();           // the linear system A x = b
    // The start every dialog command but the data sets shares: the next
    // set-ups keep the user's values, and the dialog shows what is in force.
    void BeginParamDialog();
    void RunCurveCoefDialog(BOOL bUpper);
    void RunSurfaceCoefDialog(BOOL bUpper);
// clang-format on
