// A figure that takes longer than a pass draws in parts: a colour plane
// iterates its rows until the pass budget is spent and goes on in the
// continuation passes, each row once, the window answering in between; and
// printing tells its progress sheet by sheet and stops when asked.
#include "platform/print.h"
#include "platform/system.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <chrono>
#include <functional>
#include <string>

namespace {

using namespace test_support;
using std::chrono::milliseconds;

// A render call a user waits through, with a wide margin over the budget.
const milliseconds kCallLimit(static_cast<long long>(1000 * kTimeScale));

// A rotation by 137.5° of the plane, whose every point neither settles nor
// runs away: each pixel iterates its n steps.
std::string RotationPage(int n) {
    std::string page = "014x\n"
                       "700DATA2(0,0,0,0,-0.7373688780783199,0.6754902942615236,0,)\n"
                       "700DATA2(1,0,0,0,-0.6754902942615236,-0.7373688780783199,0,)\n"
                       "700Sequence2(0.5,3,34,8,0,0,0,-1.8,1.8,-1.2,1.2,0," +
                       std::to_string(n) + ",1,1)\n";
    for (int i = 0; i < 12; ++i) page += "107\n";
    return page;
}

// A long page: `figures` matrix figures, each below a line of text.
std::string LongPage(int figures) {
    std::string page = "014x\n";
    for (int i = 0; i < figures; ++i) {
        page += "107  第" + std::to_string(i) + "个\n700LU(0.4,5,38,10,3,0,0)\n";
        for (int j = 0; j < 12; ++j) page += "107\n";
    }
    return page;
}
constexpr int kLongFigures = 2000;
constexpr int kLongRecords = kLongFigures * 14 + 1;

class PassPartsTest : public ScratchPageTest {
protected:
    PassPartsTest() : ScratchPageTest("passparts") {}

    // One render call, its processor time.
    static milliseconds TimedCall(const std::function<void()>& call) {
        const auto start = ThreadCpuTime();
        call();
        return std::chrono::duration_cast<milliseconds>(ThreadCpuTime() - start);
    }
};

// At the bound the colour planes keep (n = 100,000: about half a minute of
// iteration at this size), a click in the plane is answered by a short call,
// and so is every call after it and a click in between.
TEST_F(PassPartsTest, ColourPlaneAtItsBoundAnswersEachCallWithinTheBudget) {
    BudgetScope budget(milliseconds(static_cast<long long>(100 * kTimeScale)));
    WriteScript("rot", RotationPage(100000));
    auto v = Page("rot");
    EXPECT_LT(TimedCall([&] { Click(v.get(), 300, 200); }).count(), kCallLimit.count());
    for (int call = 0; call < 3; ++call) {
        ASSERT_TRUE(v->HasContinuation()) << "call " << call;
        EXPECT_LT(TimedCall([&] { v->RenderPending(); }).count(), kCallLimit.count());
    }
    const long long rows = v->m_nScanRowsComputed;
    EXPECT_GT(rows, 0);
    EXPECT_LT(rows, v->m_nPlotBottom - v->m_nPlotTop + 1); // far from done
    // Input between the parts: a click is a new pass, answered as quickly.
    EXPECT_LT(TimedCall([&] { Click(v.get(), 310, 210); }).count(), kCallLimit.count());
    EXPECT_TRUE(v->HasContinuation());
}

// Over its continuations a plane iterates each of its rows once, and shows
// the picture one unbudgeted pass draws.
TEST_F(PassPartsTest, ColourPlaneIteratesEveryRowOnceOverItsContinuations) {
    WriteScript("rot", RotationPage(600));
    QImage whole;
    {
        BudgetScope budget(milliseconds(1000000));
        auto v = Page("rot");
        Click(v.get(), 300, 200);
        EXPECT_FALSE(v->HasContinuation());
        whole = v->BackingImage().copy();
    }
    BudgetScope budget(milliseconds(static_cast<long long>(20 * kTimeScale)));
    auto v = Page("rot");
    Click(v.get(), 300, 200);
    int calls = 1;
    for (; v->HasContinuation() && calls < 10000; ++calls) v->RenderPending();
    EXPECT_GT(calls, 2);
    EXPECT_EQ(v->m_nScanRowsComputed, v->m_nPlotBottom - v->m_nPlotTop + 1);
    EXPECT_TRUE(v->BackingImage() == whole);
}

// Figures below the window never stop a pass, and a pass reads the records
// down to a window's height below what it paints: the calls after a click
// are few and short, however long the page.
TEST_F(PassPartsTest, LongPageContinuationsStayNearTheBudget) {
    BudgetScope budget(milliseconds(static_cast<long long>(20 * kTimeScale)));
    WriteScript("long", LongPage(kLongFigures));
    auto v = Page("long");
    for (int scroll : {0, 40000}) {
        SCOPED_TRACE(scroll);
        v->ScrollToPosition(CPoint(0, scroll));
        v->Invalidate();
        int calls = 0;
        for (; v->HasPendingPaint() && calls < 10000; ++calls)
            EXPECT_LT(TimedCall([&] { v->RenderPending(); }).count(), kCallLimit.count());
        EXPECT_LE(calls, 5);
    }
    v->ScrollToPosition(CPoint(0, 0));
    Draw(v.get());
    EXPECT_LT(v->m_nPassRecords, kLongRecords / 20);
}

// The first sheet of a long page reads the records down to its own end, not
// the whole page.
TEST_F(PassPartsTest, PrintedSheetReadsOnlyTheRecordsNearIt) {
    WriteScript("long", LongPage(kLongFigures));
    auto v = Page("long");
    CPrintInfo info;
    const QSize sheet(1240, 1754);
    ASSERT_TRUE(PreparePrintInfo(v.get(), &info, sheet));
    EXPECT_GT(info.m_nMaxPage, 100u);
    int sheets = 0;
    ASSERT_TRUE(
        DrawPrintPages(v.get(), &info, 1, 1, sheet, [&](const QImage&) { return ++sheets > 0; }));
    EXPECT_EQ(sheets, 1);
    EXPECT_LT(v->m_nPassRecords, kLongRecords / 20);
}

// A print reports each sheet as it is done, and a cancel stops it after the
// sheet under way.
TEST_F(PassPartsTest, PrintReportsEverySheetAndStopsWhenCancelled) {
    std::string page = "014x\n";
    for (int i = 0; i < 80; ++i) page += "107  第" + std::to_string(i) + "行\n107\n107\n107\n";
    WriteScript("long", page);
    struct Row {
        UINT cancelAfter; // 0: never
        bool printed;
    };
    const Row rows[] = {{0, true}, {1, false}, {2, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.cancelAfter);
        auto v = Page("long");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString("print.pdf"));
        UINT reports = 0, last = 0, total = 0;
        const bool done = PrintView(v.get(), &printer, false, nullptr, [&](UINT n, UINT all) {
            ++reports, last = n, total = all;
            return r.cancelAfter == 0 || n < r.cancelAfter;
        });
        EXPECT_EQ(done, r.printed);
        EXPECT_GT(total, 1u); // the page needs several sheets
        EXPECT_EQ(last, r.cancelAfter ? r.cancelAfter : total);
        EXPECT_EQ(reports, last + 1); // before the first sheet and after each
    }
}

} // namespace
