// The seven parameter dialogs and the commands that open them: defaults,
// what the windows show, the range checks of OK, and what comes back into
// the view on 确定 and on Cancel. The dialogs are answered by a hook that
// fills their widgets and accepts, without showing them.
#include "dialogs/dialog_data.h"
#include "dialogs/my_dialog_base.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxSink([this](const std::string& text) { messages.push_back(text); });
        SetParamDialogHook([this](QDialog& dlg) {
            ++shown;
            titles.push_back(dlg.windowTitle().toStdString());
            if (answer) answer(dlg);
        });
    }
    void TearDown() override {
        SetParamDialogHook(nullptr);
        SetMessageBoxSink(nullptr);
    }

    static void Type(QDialog& dlg, int id, const char* text) {
        QLineEdit* edit = FindDialogEdit(dlg, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setText(QString::fromUtf8(text));
    }
    static void Slide(QDialog& dlg, int id, int pos) {
        QSlider* slider = FindDialogSlider(dlg, id);
        ASSERT_NE(slider, nullptr) << id;
        slider->setValue(pos);
    }
    static std::string Text(QDialog& dlg, int id) {
        QLineEdit* edit = FindDialogEdit(dlg, id);
        return edit ? edit->text().toStdString() : "<none>";
    }
    static std::string Static(QDialog& dlg, int id) {
        QLabel* label = FindDialogStatic(dlg, id);
        return label ? label->text().toStdString() : "<none>";
    }
    // An answer that types the texts into their fields and presses OK.
    static std::function<void(QDialog&)>
    TypeAndAccept(std::vector<std::pair<int, const char*>> fields) {
        return [fields](QDialog& dlg) {
            for (const auto& f : fields) Type(dlg, f.first, f.second);
            dlg.accept();
        };
    }
    static bool HasFocus(QDialog& dlg, int id) {
        return dlg.focusWidget() == FindDialogEdit(dlg, id);
    }

    std::function<void(QDialog&)> answer;
    int shown = 0;
    std::vector<std::string> titles;
    std::vector<std::string> messages;
};

void Accept(QDialog& dlg) {
    dlg.accept();
}

} // namespace

// --- Construction defaults -----------------------------------------------------

TEST(DialogDefaults, ConstructedValues) {
    CMyDialog coef;
    EXPECT_EQ(coef.m_nValFunction, 3);
    for (double p : coef.m_adSliderPos) EXPECT_EQ(p, 0.0);
    EXPECT_EQ(coef.m_dValA, 0.0);
    EXPECT_EQ(coef.m_dValBeta, 0.0);

    CMyDialog1 x;
    EXPECT_EQ(x.m_nValCount, 10);

    CMyDialog3 range;
    const double expect[8] = {-2, 2, -2, 2, -2, 2, -2, 2};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(range.m_adSliderPos[i], expect[i]);
    EXPECT_EQ(range.m_dValXMin, -2);
    EXPECT_EQ(range.m_dValZMax, 2);
    EXPECT_EQ(range.m_dValInitMin, -2);

    CMyDialog4 params;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(params.m_anSliderPos[i], 0) << i;
    EXPECT_EQ(params.m_anSliderPos[12], 10);
    EXPECT_EQ(params.m_dValB, 1.0);
    EXPECT_EQ(params.m_dValP, 0.5);
    EXPECT_EQ(params.m_dValSigma, 1.0);
    EXPECT_EQ(params.m_dValLambda, 5.0);
    EXPECT_EQ(params.m_dValAlpha, 5.0);
    EXPECT_EQ(params.m_dValBeta, 10.0);
    EXPECT_EQ(params.m_dValH, 0.01);
    EXPECT_EQ(params.m_nValUpperN, 50);
    EXPECT_EQ(params.m_nValUpperM, 20);
    EXPECT_EQ(params.m_nValLowerN, 10);
    EXPECT_EQ(params.m_nValLowerM, 5);

    CMyDialog5 system;
    EXPECT_EQ(system.m_dValEpsilon, 0.01);
    EXPECT_EQ(system.m_dValP, 0.5);
    EXPECT_EQ(system.m_nValRows, 8);
    EXPECT_EQ(system.m_nValCols, 9);
    EXPECT_EQ(system.m_dValOmega, 1.0);

    CMyDialog6 curve;
    for (int p : curve.m_anSliderPos) EXPECT_EQ(p, 10);
    EXPECT_EQ(curve.m_dValB, 1.0);
    EXPECT_EQ(curve.m_dValPeriod, 1.0);
}

TEST(DialogDefaults, TheViewHoldsFreshDialogs) {
    auto v = MakeView();
    EXPECT_EQ(v->m_dlgCoef.m_nValFunction, 3);
    EXPECT_EQ(v->m_dlgParams.m_anSliderPos[12], 10);
    EXPECT_EQ(v->m_dlgDataX.m_nValCount, 10);
}

// The rule that reconciles an edit and its slider.
TEST(DialogDefaults, EditOrSlider) {
    EXPECT_EQ(EditOrSlider(1.0, 2.25, 100, 150, 0.01), 2.25); // the edit wins
    EXPECT_EQ(EditOrSlider(1.0, 1.0, 100, 150, 0.01), 1.5);   // else a moved slider
    EXPECT_EQ(EditOrSlider(2.7182818, 2.7182818, 271.82818, 271.82818, 0.01), 2.7182818);
    EXPECT_EQ(EditOrSlider(0.5, 0.5, 500, 500, 0.001), 0.5);
}

// Nobody can answer a dialog on the offscreen platform: Cancel at once.
TEST(DialogDefaults, HeadlessWithoutHookCancels) {
    CMyDialog1 x;
    x.m_nValCount = 7;
    EXPECT_EQ(x.DoModal(), IDCANCEL);
    EXPECT_EQ(x.m_nValCount, 7);
}

// --- The windows ---------------------------------------------------------------

TEST_F(DialogTest, CoefDialogShowsItsMembers) {
    CMyDialog d;
    d.m_dValA = 2.7182818;
    d.m_dValB = -3.14;
    d.m_nValFunction = 42;
    d.m_adSliderPos[0] = 271.82818;
    d.m_adSliderPos[1] = 600; // beyond the slider
    d.m_strCurveLabel = "上曲线";
    d.m_strIndexRange = "f(x):0-90";
    d.m_strFormula = "f(x)=sinx";
    answer = [](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle().toStdString(), "函数系数输入对话");
        EXPECT_EQ(Text(dlg, 1022), "2.7182818");
        EXPECT_EQ(Text(dlg, 1023), "-3.14");
        EXPECT_EQ(Text(dlg, 1030), "42");
        EXPECT_EQ(FindDialogSlider(dlg, 1001)->value(), 271);
        EXPECT_EQ(FindDialogSlider(dlg, 1002)->value(), 500);
        EXPECT_EQ(FindDialogSlider(dlg, 1001)->minimum(), -500);
        EXPECT_EQ(Static(dlg, 1018), "上曲线");
        EXPECT_EQ(Static(dlg, 1019), "f(x):0-90");
        EXPECT_EQ(Static(dlg, 1017), "f(x)=sinx");
        auto* ok = dlg.findChild<QPushButton*>("IDOK");
        auto* cancel = dlg.findChild<QPushButton*>("IDCANCEL");
        ASSERT_TRUE(ok && cancel);
        EXPECT_EQ(ok->text().toStdString(), "确定");
        EXPECT_EQ(cancel->text().toStdString(), "取消");
        EXPECT_TRUE(ok->isDefault());
        dlg.accept();
    };
    EXPECT_EQ(d.DoModal(), IDOK);
    // Nothing was touched: every member comes back bit for bit.
    EXPECT_EQ(d.m_dValA, 2.7182818);
    EXPECT_EQ(d.m_dValB, -3.14);
    EXPECT_EQ(d.m_adSliderPos[0], 271.82818);
    EXPECT_EQ(d.m_adSliderPos[1], 600);
}

TEST_F(DialogTest, DataDialogCountRange) {
    CMyDialog1 d;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle().toStdString(), "Dialog");
        EXPECT_EQ(dlg.findChild<QPushButton*>("IDOK")->text().toStdString(), "确认");
        Type(dlg, 1193, "21");
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Rejected); // still open
        EXPECT_TRUE(HasFocus(dlg, 1193));
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("0"), std::string::npos);
    EXPECT_NE(messages[0].find("20"), std::string::npos);
    EXPECT_EQ(d.m_nValCount, 10);

    answer = [](QDialog& dlg) {
        Type(dlg, 1193, "20");
        Type(dlg, 1085, "-500000");
        dlg.accept();
    };
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(d.m_nValCount, 20);
    EXPECT_EQ(d.m_adValX[24], -500000);
}

// A failed check stores nothing, not even the fields checked before it.
TEST_F(DialogTest, FailedCheckStoresNothing) {
    CMyDialog1 d;
    answer = [](QDialog& dlg) {
        Type(dlg, 1061, "7.5");
        Type(dlg, 1062, "abc");
        dlg.accept();
        EXPECT_TRUE(HasFocus(dlg, 1062));
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(d.m_adValX[0], 0.0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "请输入一个数。");
}

TEST_F(DialogTest, DataRangeAndIntegers) {
    CMyDialog2 y;
    answer = TypeAndAccept({{1031, "500000.5"}});
    EXPECT_EQ(y.DoModal(), IDCANCEL);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "请输入一个介于 -500000 和 500000 之间的数。");

    CMyDialog1 x;
    answer = TypeAndAccept({{1193, "12.5"}});
    EXPECT_EQ(x.DoModal(), IDCANCEL);
    EXPECT_EQ(messages.back(), "请输入一个整数。");
}

TEST_F(DialogTest, ParamsStepRange) {
    CMyDialog4 d;
    for (const char* ok : {"0.001", "1"}) {
        answer = [ok](QDialog& dlg) {
            Type(dlg, 1043, ok);
            Accept(dlg);
        };
        EXPECT_EQ(d.DoModal(), IDOK) << ok;
    }
    EXPECT_EQ(d.m_dValH, 1.0);
    answer = [](QDialog& dlg) {
        Type(dlg, 1043, "0");
        Accept(dlg);
        EXPECT_TRUE(HasFocus(dlg, 1043));
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(messages.back(), "请输入一个介于 0.001 和 1 之间的数。");
    EXPECT_EQ(d.m_dValH, 1.0);
}

TEST_F(DialogTest, ParamsSlidersAndCaptions) {
    CMyDialog4 d;
    answer = [](QDialog& dlg) {
        QSlider* h = FindDialogSlider(dlg, 1024);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->minimum(), 1);
        EXPECT_EQ(h->maximum(), 1000);
        EXPECT_EQ(h->value(), 10);
        EXPECT_EQ(FindDialogSlider(dlg, 1008)->minimum(), -500);
        EXPECT_EQ(FindDialogSlider(dlg, 1037)->maximum(), 1000);
        EXPECT_EQ(FindDialogSlider(dlg, 1037)->minimum(), 0); // no negative counts
        Slide(dlg, 1037, 300);                                // N
        Slide(dlg, 1001, -250);                               // a
        Accept(dlg);
    };
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(d.m_anSliderPos[0], -250);
    EXPECT_EQ(d.m_anSliderPos[10], 300);
    EXPECT_EQ(d.m_anSliderPos[12], 10);
}

TEST_F(DialogTest, LinearSystemSizes) {
    CMyDialog5 d;
    answer = [](QDialog& dlg) {
        Type(dlg, 1192, "80");
        Type(dlg, 1193, "80");
        Type(dlg, 1184, "3.5"); // b of row 0
        Type(dlg, 1119, "-1");  // A(7,0)
        Accept(dlg);
    };
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(d.m_nValRows, 80);
    EXPECT_EQ(d.m_nValCols, 80);
    EXPECT_EQ(d.m_adValSystem[0][8], 3.5);
    EXPECT_EQ(d.m_adValSystem[7][0], -1);
    answer = TypeAndAccept({{1193, "81"}});
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    answer = [](QDialog& dlg) {
        Type(dlg, 1022, "10.5"); // omega
        Accept(dlg);
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(d.m_dValOmega, 1.0);
}

TEST_F(DialogTest, CurveDialogButtonsAndRange) {
    CMyDialog6 d;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(dlg.findChild<QPushButton*>("IDOK")->text().toStdString(), "OK");
        EXPECT_EQ(dlg.findChild<QPushButton*>("IDCANCEL")->text().toStdString(), "Cancel");
        EXPECT_EQ(FindDialogSlider(dlg, 1006)->maximum(), 5000);
        Type(dlg, 1025, "-50.5");
        Accept(dlg);
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(messages.back(), "请输入一个介于 -50 和 50 之间的数。");
}

TEST_F(DialogTest, CancelKeepsTheMembers) {
    CMyDialog3 d;
    answer = [](QDialog& dlg) {
        Type(dlg, 1034, "-7");
        Slide(dlg, 1001, 30);
        dlg.reject();
    };
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(d.m_dValXMin, -2);
    EXPECT_EQ(d.m_adSliderPos[0], -2);
}

// --- The commands --------------------------------------------------------------

TEST_F(DialogTest, UntouchedOkKeepsEveryValue) {
    auto v = MakeView();
    const double coef[6] = {2.7182818, 6.0, -3.14, 1.0 / 3.0, 0.1, -499.99};
    std::copy_n(coef, 6, v->m_adSavedCoefF);
    v->m_dSavedAlphaF = 2.7182818;
    v->m_dSavedBetaF = 6.0;
    answer = Accept;
    v->OnOneVariableFunctionDialog();
    EXPECT_EQ(shown, 1);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v->m_adSavedCoefF[i], coef[i]) << i;
    EXPECT_EQ(v->m_dSavedAlphaF, 2.7182818);
    EXPECT_EQ(v->m_dSavedBetaF, 6.0);
    EXPECT_EQ(v->m_bSelectionPending, 0);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
}

TEST_F(DialogTest, OneVariableShowsTheFunctionInForce) {
    auto v = MakeView();
    v->m_nFuncF = v->m_nPendingFuncF = 29;
    v->m_dlgCoef.m_nValFunction = 5; // left by an earlier use
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, 1030), "29");
        EXPECT_EQ(Static(dlg, 1018), "显函数:");
        EXPECT_EQ(Static(dlg, 1019), "f(x):0-90");
        EXPECT_EQ(Static(dlg, 1017), "f(x)=sinx/x");
        dlg.reject();
    };
    v->OnOneVariableFunctionDialog();
    EXPECT_EQ(shown, 1);
}

TEST_F(DialogTest, SliderAndEditRule) {
    auto v = MakeView();
    v->m_adSavedCoefF[0] = 1.0;
    v->m_adSavedCoefF[1] = 1.0;
    answer = [](QDialog& dlg) {
        Slide(dlg, 1001, 150); // a: slider only
        Slide(dlg, 1002, 150); // b: slider and edit
        Type(dlg, 1023, "2.25");
        Accept(dlg);
    };
    v->OnOneVariableFunctionDialog();
    EXPECT_DOUBLE_EQ(v->m_adSavedCoefF[0], 1.5);
    EXPECT_EQ(v->m_adSavedCoefF[1], 2.25);
}

TEST_F(DialogTest, TypedFunctionNumberIsPendingUntilTheNextSetUp) {
    auto v = MakeView();
    answer = TypeAndAccept({{1030, "39"}});
    v->OnOneVariableFunctionDialog();
    EXPECT_EQ(v->m_nPendingFuncF, 39);
    EXPECT_EQ(v->m_bSelectionPending, 1);
    EXPECT_EQ(v->m_nFuncF, 3);
    v->SaveRestoreDisplaySettings(v->m_bLoadScriptSettings);
    EXPECT_EQ(v->m_nFuncF, 39);
}

TEST_F(DialogTest, DensityPageOpensTheRelatedParameters) {
    auto v = MakeView();
    v->m_nPlotMode = v->m_nPendingPlotMode = 0;
    v->m_nFuncF = v->m_nPendingFuncF = 77;
    bool sawStep = false;
    answer = [&sawStep](QDialog& dlg) {
        sawStep = FindDialogEdit(dlg, 1043) != nullptr;
        dlg.reject();
    };
    v->OnOneVariableFunctionDialog();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(sawStep);
}

TEST_F(DialogTest, CancelWritesNothingBack) {
    auto v = MakeView();
    v->m_adSavedCoefF[2] = 0.75;
    answer = [](QDialog& dlg) {
        Type(dlg, 1024, "9");
        Type(dlg, 1030, "12");
        dlg.reject();
    };
    v->OnOneVariableFunctionDialog();
    EXPECT_EQ(v->m_adSavedCoefF[2], 0.75);
    EXPECT_EQ(v->m_nPendingFuncF, 3);
    EXPECT_EQ(v->m_bSelectionPending, 0);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0); // the common start has run
}

TEST_F(DialogTest, RangeDialogRepairsOrder) {
    auto v = MakeView();
    const double range[6] = {-3.14, 3.14, -2.5, 2.5, -6.0, 6.0};
    std::copy_n(range, 6, v->m_adSavedWorldRange);
    v->m_dSavedIntervalA = -0.5;
    v->m_dSavedIntervalB = 2.7182818;
    answer = Accept;
    v->OnRangeDialog();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v->m_adSavedWorldRange[i], range[i]) << i;
    EXPECT_EQ(v->m_dSavedIntervalB, 2.7182818);

    answer = TypeAndAccept(
        {{1034, "3"}, {1035, "2"}, {1040, "5"}, {1041, "1"}, {1038, "1"}, {1039, "0"}});
    v->OnRangeDialog();
    EXPECT_EQ(v->m_adSavedWorldRange[0], 3);
    EXPECT_EQ(v->m_adSavedWorldRange[1], 4);
    EXPECT_EQ(v->m_adSavedWorldRange[4], 5);
    EXPECT_EQ(v->m_adSavedWorldRange[5], 6);
    EXPECT_EQ(v->m_dSavedIntervalA, 1);
    EXPECT_EQ(v->m_dSavedIntervalB, 2);
    EXPECT_EQ(v->m_adSavedWorldRange[2], -2.5);

    // A moved slider gives its position itself (unscaled).
    answer = [](QDialog& dlg) {
        Slide(dlg, 1004, 40); // y max
        Accept(dlg);
    };
    v->OnRangeDialog();
    EXPECT_EQ(v->m_adSavedWorldRange[3], 40);
}

TEST_F(DialogTest, RelatedParametersRoundTrip) {
    auto v = MakeView();
    v->m_nSavedCountN = 30;
    v->m_nSavedCountM = 7;
    v->m_nSavedPopulationN = 800;
    v->m_nSavedMarkedM = 35;
    v->m_dSavedGammaAlpha = 2.7182818;
    v->m_dSavedProbP = 0.37;
    const double significance = v->m_dSavedSignificance;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, 1031), "30");
        EXPECT_EQ(Text(dlg, 1033), "800");
        EXPECT_EQ(Text(dlg, 1042), "35");
        EXPECT_EQ(Static(dlg, 1018), "显函数:");
        Accept(dlg);
    };
    v->OnRelatedParametersDialog();
    EXPECT_EQ(v->m_nFuncF, 74);
    EXPECT_EQ(v->m_nSavedCountN, 30);
    EXPECT_EQ(v->m_nSavedCountM, 7);
    EXPECT_EQ(v->m_nSavedPopulationN, 800);
    EXPECT_EQ(v->m_nSavedMarkedM, 35);
    EXPECT_EQ(v->m_dSavedGammaAlpha, 2.7182818);
    EXPECT_EQ(v->m_dSavedProbP, 0.37);
    EXPECT_EQ(v->m_dSavedSignificance, significance);
    EXPECT_EQ(v->m_dOdeStep, 0.1);
    EXPECT_EQ(v->m_dParamStep, 0.1);
    EXPECT_EQ(v->m_nDemoStep, 30);
}

TEST_F(DialogTest, RelatedParametersStepAndCounts) {
    auto v = MakeView();
    v->m_nSavedCountN = 30;
    answer = [](QDialog& dlg) {
        Type(dlg, 1043, "0.05");
        Type(dlg, 1028, "5"); // alpha 5: no level of significance
        Type(dlg, 1031, "12");
        Slide(dlg, 1036, 9); // m by its slider
        Accept(dlg);
    };
    v->OnRelatedParametersDialog();
    EXPECT_EQ(v->m_dOdeStep, 0.05);
    EXPECT_EQ(v->m_dParamStep, 0.05);
    EXPECT_EQ(v->m_dSavedGammaAlpha, 5.0);
    EXPECT_LT(v->m_dSavedSignificance, 1.0);
    EXPECT_EQ(v->m_nSavedCountN, 12);
    EXPECT_EQ(v->m_nSavedCountM, 9);
    EXPECT_EQ(v->m_nDemoStep, 12);

    // The range steps now move by 5 % of the span.
    v->m_adSavedWorldRange[0] = -1;
    v->m_adSavedWorldRange[1] = 1;
    v->OnRangeXMaxUp();
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[1], 1.1);
}

TEST_F(DialogTest, CurveDialogFunctionNumber) {
    auto v = MakeView();
    v->m_nRegionType = v->m_nPendingRegionType = 0;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Static(dlg, 1018), "上曲线");
        EXPECT_EQ(Text(dlg, 1030), "22"); // the upper curve in force
        Type(dlg, 1030, "5");
        Accept(dlg);
    };
    v->OnUpperCurveCoefDialog();
    EXPECT_EQ(v->m_nPendingFuncUpper, 22); // ignored outside a y-type region
    EXPECT_EQ(v->m_bSelectionPending, 0);

    v->m_nRegionType = v->m_nPendingRegionType = 2;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Static(dlg, 1018), "右曲线");
        Type(dlg, 1030, "5");
        Accept(dlg);
    };
    v->OnUpperCurveCoefDialog();
    EXPECT_EQ(v->m_nPendingFuncRight, 5);
    EXPECT_EQ(v->m_bSelectionPending, 1);

    // An untouched number changes no curve.
    auto w = MakeView();
    w->m_nRegionType = w->m_nPendingRegionType = 2;
    answer = Accept;
    w->OnLowerCurveCoefDialog();
    EXPECT_EQ(w->m_nPendingFuncLower, 20);
    EXPECT_EQ(w->m_nPendingFuncLeft, 20);
    EXPECT_EQ(w->m_bSelectionPending, 0);
}

TEST_F(DialogTest, LowerCurveShowsItsFormula) {
    auto v = MakeView();
    v->m_adSavedCoefG[3] = 4.5;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Static(dlg, 1018), "下曲线");
        EXPECT_EQ(Static(dlg, 1019), "g(x):0-90");
        EXPECT_EQ(Static(dlg, 1017), "g(x)=x");
        EXPECT_EQ(Text(dlg, 1025), "4.5");
        Type(dlg, 1025, "-1");
        Accept(dlg);
    };
    v->OnLowerCurveCoefDialog();
    EXPECT_EQ(v->m_adSavedCoefG[3], -1);
}

TEST_F(DialogTest, SurfaceDialog) {
    auto v = MakeView();
    v->m_dSavedAlphaSurfF = 0.5;
    v->m_dSavedAlphaSurfG = 1.5;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Static(dlg, 1018), "上曲面");
        EXPECT_EQ(Static(dlg, 1019), "f(x,y):1-26");
        EXPECT_EQ(Text(dlg, 1030), "1");
        EXPECT_EQ(Text(dlg, 1028), "0.5");
        EXPECT_EQ(Text(dlg, 1029), "1.5");
        Type(dlg, 1030, "16");
        Type(dlg, 1029, "2");
        Accept(dlg);
    };
    v->OnUpperSurfaceCoefDialog();
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 16);
    EXPECT_EQ(v->m_bSelectionPending, 1);
    EXPECT_EQ(v->m_dSavedAlphaSurfG, 2);
    EXPECT_EQ(v->m_dSavedAlphaSurfF, 0.5);
}

TEST_F(DialogTest, DataXDialog) {
    auto v = MakeView();
    v->m_nSavedCountN = 50;
    v->m_adDataX[3] = 1.0 / 3.0;
    v->m_bLoadScriptSettings = 1;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, 1193), "20"); // a count the dialog can take back
        dlg.reject();
    };
    v->OnDataXDialog();
    EXPECT_EQ(v->m_bLoadScriptSettings, 1); // only 确定 clears it

    answer = TypeAndAccept({{1061, "8"}});
    v->OnDataXDialog();
    EXPECT_EQ(v->m_adDataX[0], 8);
    EXPECT_EQ(v->m_adDataX[3], 1.0 / 3.0);
    EXPECT_EQ(v->m_nSavedCountN, 50);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);

    answer = TypeAndAccept({{1193, "15"}});
    v->OnDataXDialog();
    EXPECT_EQ(v->m_nSavedCountN, 15);
}

TEST_F(DialogTest, DataYDialog) {
    auto v = MakeView();
    v->m_adDataY[24] = 0.1;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, 1055), "0.1");
        Type(dlg, 1031, "-2");
        Accept(dlg);
    };
    v->OnDataYDialog();
    EXPECT_EQ(v->m_adDataY[0], -2);
    EXPECT_EQ(v->m_adDataY[24], 0.1);
}

TEST_F(DialogTest, CurveParams) {
    auto v = MakeView();
    v->m_dX0 = 2.7182818;
    v->m_dParamB = 1.0;
    v->m_dSavedFuncFPeriod = 6.2831853;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(FindDialogSlider(dlg, 1001)->value(), 271);
        Slide(dlg, 1004, -250); // B
        Type(dlg, 1027, "3");   // y0
        Accept(dlg);
    };
    v->OnChangeCurveParams();
    EXPECT_EQ(v->m_dX0, 2.7182818);
    EXPECT_EQ(v->m_dY0, 3);
    EXPECT_DOUBLE_EQ(v->m_dParamB, -2.5);
    EXPECT_EQ(v->m_dSavedFuncFPeriod, 6.2831853);
}

TEST_F(DialogTest, LinearSystem) {
    auto v = MakeView();
    v->m_nGridRows = 50;
    v->m_nGridCols = -3;
    v->m_adMatrixA[0][99] = 4;
    v->m_nSavedCountM = 200;
    answer = [](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, 1184), "4"); // b(0)
        EXPECT_EQ(Text(dlg, 1192), "80");
        Type(dlg, 1045, "2");
        Type(dlg, 1193, "3");
        Accept(dlg);
    };
    v->RangeDialogVariant();
    EXPECT_EQ(v->m_nGridRows, 8);
    EXPECT_EQ(v->m_nGridCols, 0);
    EXPECT_EQ(v->m_adMatrixA[0][0], 2);
    EXPECT_EQ(v->m_adMatrixInput[0][0], 2);
    EXPECT_EQ(v->m_adMatrixInput[0][99], 4);
    EXPECT_EQ(v->m_nSavedCountM, 200);
    EXPECT_EQ(v->m_nSavedCountN, 3);
    EXPECT_EQ(v->m_nDemoStep, 3);
}
