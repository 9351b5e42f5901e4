// The application shell and the platform services around it: registration
// switches, the main frame, documents, the recent-file list, printing,
// pictures, message boxes and program start.
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/pemro_app.h"
#include "app/registration.h"
#include "platform/picture.h"
#include "platform/print.h"
#include "platform/profile.h"
#include "platform/scroll_view.h"
#include "platform/system.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A view that records the commands and printing hooks it receives.
class CShellTestView : public CScrollView {
public:
    void OnDraw(CDC* pDC) override {
        CRect box;
        pDC->GetClipBox(&box);
        pDC->FillSolidRect(box, RGB(0, 0, 128));
    }
    void OnInitialUpdate() override {
        ++initialUpdates;
        SetScrollSizes(MM_TEXT, CSize(600, 1000));
    }
    BOOL OnCommand(UINT id) override {
        commands.push_back(id);
        return id == ID_TOOL_LINE;
    }
    BOOL OnUpdateCommand(CCmdUI* ui) override {
        if (ui->m_nID != ID_TOOL_LINE) return FALSE;
        ui->SetCheck(lineChecked);
        return TRUE;
    }
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        info->SetMaxPage(maxPage);
        return TRUE;
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override { hooks.push_back("begin"); }
    void OnPrint(CDC* pDC, CPrintInfo* info) override {
        hooks.push_back("page" + std::to_string(info->m_nCurPage));
        printing.push_back(pDC->IsPrinting());
        origins.push_back(pDC->GetViewportOrg());
        rects.push_back(info->m_rectDraw);
        pDC->FillSolidRect(CRect(10, 10, 60, 40), RGB(200, 0, 0));
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { hooks.push_back("end"); }

    int initialUpdates = 0;
    int lineChecked = 0;
    UINT maxPage = 2;
    std::vector<UINT> commands;
    std::vector<std::string> hooks;
    std::vector<BOOL> printing;
    std::vector<CPoint> origins;
    std::vector<CRect> rects;
};

std::unique_ptr<CScrollView> MakeTestView() {
    return std::make_unique<CShellTestView>();
}

// Keeps the settings store of this test run out of the user's own.
void UseTemporarySettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

// Sets an environment variable for the lifetime of the object.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~CScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

QString Utf8(const char* s) {
    return QString::fromUtf8(s);
}

std::vector<QAction*> ToolButtons(QToolBar* bar) {
    std::vector<QAction*> buttons;
    for (QAction* a : bar->actions())
        if (!a->isSeparator()) buttons.push_back(a);
    return buttons;
}

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* a : bar->actions())
        if (a->isVisible()) titles << a->text();
    return titles;
}

int CountPdfPages(const QByteArray& pdf) {
    int pages = 0;
    for (int at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

} // namespace

// --- Registration switches ------------------------------------------------------

TEST(Registration, FindOneOfReturnsThePositionAfterTheFirstMatch) {
    const char* line = "abc/def-ghi";
    EXPECT_EQ(FindOneOf(line, "-/"), line + 4);
    EXPECT_EQ(FindOneOf(line + 4, "-/"), line + 8);
    EXPECT_EQ(FindOneOf("abc", "-/"), nullptr);
    EXPECT_EQ(FindOneOf("", "-/"), nullptr);
    const char* trailing = "x-";
    EXPECT_STREQ(FindOneOf(trailing, "-/"), "");
}

TEST(Registration, SwitchesAreWordsAfterDashOrSlashInAnyCase) {
    EXPECT_EQ(FindRegistrationSwitch("/RegServer"), RegistrationSwitch::Register);
    EXPECT_EQ(FindRegistrationSwitch("-regserver"), RegistrationSwitch::Register);
    EXPECT_EQ(FindRegistrationSwitch("-UNREGSERVER"), RegistrationSwitch::Unregister);
    EXPECT_EQ(FindRegistrationSwitch("file.txt /UnregServer"), RegistrationSwitch::Unregister);
    EXPECT_EQ(FindRegistrationSwitch("-RegServer extra"), RegistrationSwitch::Register);
    EXPECT_EQ(FindRegistrationSwitch("RegServer"), RegistrationSwitch::None);
    EXPECT_EQ(FindRegistrationSwitch("-RegServers"), RegistrationSwitch::None);
    EXPECT_EQ(FindRegistrationSwitch("- RegServer"), RegistrationSwitch::None);
    EXPECT_EQ(FindRegistrationSwitch(""), RegistrationSwitch::None);
    // The first switch on the line wins.
    EXPECT_EQ(FindRegistrationSwitch("/UnregServer -RegServer"), RegistrationSwitch::Unregister);
}

TEST(Registration, RegServerWritesTheDesktopEntryAndEndsWithoutAWindow) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    CScopedEnv env("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString entry = home.path() + "/applications/pemro.desktop";
    EXPECT_EQ(DesktopEntryPath(), entry);

    CPemroApp app;
    int code = -1;
    EXPECT_FALSE(app.InitInstance({"pemro", "/RegServer"}, &code, MakeTestView));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains(Utf8("\nName=数学物理方法教学软件\n")));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nCategories=Education;Math;\n"));
    EXPECT_TRUE(text.contains("\nExec=/")); // an absolute program path
    file.close();

    CPemroApp again;
    EXPECT_FALSE(again.InitInstance({"pemro", "-unregserver"}, &code, MakeTestView));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(QFile::exists(entry));
    // Removing what is not there is no failure.
    EXPECT_FALSE(again.InitInstance({"pemro", "-UnregServer"}, &code, MakeTestView));
    EXPECT_EQ(code, 0);
}

TEST(Registration, ExecQuotesAProgramPathWithBlanks) {
    QTemporaryDir home;
    CScopedEnv env("XDG_DATA_HOME", home.path().toLocal8Bit());
    QString error;
    ASSERT_TRUE(RegisterDesktopEntry("/opt/my apps/pemro", "/tmp", &error));
    QFile file(DesktopEntryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\nExec=\"/opt/my apps/pemro\"\n"));
}

TEST(Registration, ARelativeDataHomeFallsBackToTheHomeDirectory) {
    CScopedEnv env("XDG_DATA_HOME", "relative/dir");
    EXPECT_EQ(DesktopEntryPath(), QDir::homePath() + "/.local/share/applications/pemro.desktop");
}

// --- Main frame -------------------------------------------------------------------

TEST(MainFrame, HasTitleMenusToolbarAndStatusBar) {
    UseTemporarySettings();
    CMainFrame frame(MakeTestView);
    EXPECT_EQ(frame.windowTitle(), Utf8("数学物理方法教学软件"));
    // Without a child window: 文件 and 帮助 only.
    EXPECT_EQ(MenuTitles(frame.menuBar()), QStringList({Utf8("文件(&F)"), Utf8("帮助(&H)")}));

    const std::vector<QAction*> buttons = ToolButtons(frame.ToolBar());
    ASSERT_EQ(buttons.size(), 19u);
    EXPECT_EQ(buttons[0]->toolTip(), Utf8("新建"));
    EXPECT_EQ(buttons[1]->toolTip(), Utf8("打开"));
    EXPECT_EQ(buttons[2]->toolTip(), Utf8("关于"));
    EXPECT_EQ(buttons[3]->toolTip(), Utf8("画直线"));
    EXPECT_EQ(buttons[3]->statusTip(), Utf8("画直线 选起点和终点(在图形窗口中有效)"));
    EXPECT_EQ(buttons[3]->data().toUInt(), ID_TOOL_LINE);
    EXPECT_EQ(buttons[6]->toolTip(), Utf8("抛物线（开口上下）"));
    EXPECT_EQ(buttons[11]->toolTip(), Utf8("关闭画图输入"));
    EXPECT_EQ(buttons[16]->toolTip(), Utf8("关闭画线"));
    EXPECT_EQ(buttons[18]->toolTip(), Utf8("改变参数步长选择：减少"));
    EXPECT_EQ(buttons[18]->data().toUInt(), ID_PARAM_STEP_DECREASE);
    for (QAction* b : buttons) EXPECT_FALSE(b->icon().isNull());
    // The separator sits after About.
    EXPECT_TRUE(frame.ToolBar()->actions()[3]->isSeparator());
    // No view: the view's buttons are grey.
    EXPECT_FALSE(buttons[3]->isEnabled());
    EXPECT_TRUE(buttons[0]->isEnabled());

    EXPECT_EQ(frame.IdleLabel()->text(),
              Utf8("图形：击右键放大缩小切换   文字:  1) 逐行显示, 从当前文字下移一行, 2) "
                   "指定位置显示, 文字到鼠标位置(文字下方) 3) 鼠标到左边界, "
                   "察掉鼠标位置以下的文字"));
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        auto* label = frame.statusBar()->findChild<QLabel*>(pane);
        ASSERT_NE(label, nullptr) << pane;
        EXPECT_EQ(label->text(), pane);
    }
    EXPECT_EQ(frame.FindCommand(ID_FILE_NEW)->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(frame.FindCommand(ID_APP_ABOUT)->text(), Utf8("关于 Pemro(&A)..."));
}

TEST(MainFrame, FileNewOpensAChildWithItsOwnView) {
    UseTemporarySettings();
    CMainFrame frame(MakeTestView);
    frame.show();
    CChildFrame* first = frame.OnFileNew();
    ASSERT_NE(first, nullptr);
    CChildFrame* second = frame.OnFileNew();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->GetView(), second->GetView());
    auto* view = static_cast<CShellTestView*>(second->GetView());
    EXPECT_EQ(view->initialUpdates, 1);
    EXPECT_EQ(frame.ActiveChild(), second);

    // Untitled documents count up: "Pemro<n>", then "Pemro<n+1>".
    const QString t1 = first->GetDocument()->GetTitle();
    const QString t2 = second->GetDocument()->GetTitle();
    ASSERT_TRUE(t1.startsWith("Pemro"));
    EXPECT_EQ(t2, QString("Pemro%1").arg(t1.mid(5).toInt() + 1));
    EXPECT_EQ(second->windowTitle(), t2);
    if (!second->isMaximized()) {
        EXPECT_EQ(frame.windowTitle(), Utf8("数学物理方法教学软件 - ") + t2);
    }
    EXPECT_EQ(MenuTitles(frame.menuBar()),
              QStringList({Utf8("文件(&F)"), Utf8("窗口(&W)"), Utf8("帮助(&H)")}));
}

TEST(MainFrame, CommandsReachTheActiveViewByIdAndItsStateShows) {
    UseTemporarySettings();
    CMainFrame frame(MakeTestView);
    frame.show();
    CChildFrame* child = frame.OnFileNew();
    ASSERT_NE(child, nullptr);
    auto* view = static_cast<CShellTestView*>(child->GetView());
    QAction* line = frame.FindCommand(ID_TOOL_LINE);
    ASSERT_NE(line, nullptr);
    frame.UpdateCommandUI();
    EXPECT_TRUE(line->isEnabled()); // the view handles it
    EXPECT_FALSE(line->isChecked());
    EXPECT_FALSE(frame.FindCommand(ID_TOOL_DOT)->isEnabled()); // it does not

    line->trigger();
    frame.OnCommand(34000); // a table-bound id later on
    EXPECT_EQ(view->commands, std::vector<UINT>({ID_TOOL_LINE, 34000u}));
    view->lineChecked = 1;
    frame.UpdateCommandUI();
    EXPECT_TRUE(line->isChecked());
    // The frame's own commands do not reach the view.
    frame.OnCommand(ID_WINDOW_CASCADE);
    EXPECT_EQ(view->commands.size(), 2u);
}

TEST(MainFrame, AddedMenusGoBeforeWindowAndHelpWhileAChildIsOpen) {
    UseTemporarySettings();
    CMainFrame frame(MakeTestView);
    QMenu* topics = frame.AddMenu(Utf8("数理方法"));
    QAction* item = frame.AddCommand(topics, 32898, Utf8("一阶导数"), Utf8("一阶导数"));
    EXPECT_EQ(item->data().toUInt(), 32898u);
    EXPECT_FALSE(topics->menuAction()->isVisible());
    frame.show();
    ASSERT_NE(frame.OnFileNew(), nullptr);
    EXPECT_EQ(MenuTitles(frame.menuBar()), QStringList({Utf8("文件(&F)"), Utf8("数理方法"),
                                                        Utf8("窗口(&W)"), Utf8("帮助(&H)")}));
}

TEST(MainFrame, OpenTakesTheFileNameAsTitleAndSaveWritesNothing) {
    UseTemporarySettings();
    QTemporaryDir dir;
    const QString path = dir.filePath("lesson.pem");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("user data");
    }
    std::vector<std::string> messages;
    SetMessageBoxSink([&](const std::string& m) { messages.push_back(m); });
    CMainFrame frame(MakeTestView);
    frame.show();
    CChildFrame* child = frame.OpenDocumentFile(path);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetDocument()->GetTitle(), "lesson.pem");
    EXPECT_EQ(frame.RecentFiles().Files().value(0), QFileInfo(path).absoluteFilePath());
    // Opening it again activates the same window.
    EXPECT_EQ(frame.OpenDocumentFile(path), child);
    EXPECT_EQ(frame.Children().size(), 1u);

    frame.OnCommand(ID_FILE_SAVE);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("user data"));
    EXPECT_EQ(messages.size(), 1u);

    // A file that is not there: a message and no window.
    EXPECT_EQ(frame.OpenDocumentFile(dir.filePath("missing.pem")), nullptr);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(frame.Children().size(), 1u);
    SetMessageBoxSink(nullptr);
}

TEST(MainFrame, ClosingTheLastChildHidesTheDocumentMenus) {
    UseTemporarySettings();
    CMainFrame frame(MakeTestView);
    frame.show();
    CChildFrame* child = frame.OnFileNew();
    ASSERT_NE(child, nullptr);
    child->close();
    QApplication::processEvents(); // deferred deletion and queued updates
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_EQ(frame.windowTitle(), Utf8("数学物理方法教学软件"));
    EXPECT_EQ(MenuTitles(frame.menuBar()), QStringList({Utf8("文件(&F)"), Utf8("帮助(&H)")}));
}

TEST(App, StartsWithOneChildWindow) {
    UseTemporarySettings();
    CPemroApp app;
    int code = -1;
    ASSERT_TRUE(app.InitInstance({"pemro"}, &code, MakeTestView));
    ASSERT_NE(app.GetMainWnd(), nullptr);
    EXPECT_EQ(app.GetMainWnd()->Children().size(), 1u);
    EXPECT_TRUE(app.GetMainWnd()->isVisible());
    EXPECT_EQ(app.ExitInstance(0), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

// --- Recent files -------------------------------------------------------------------

TEST(RecentFiles, KeepsFourMostRecentFirstAndPersists) {
    UseTemporarySettings();
    {
        CRecentFileList list;
        for (const char* f : {"/a/1.txt", "/a/2.txt", "/a/3.txt", "/a/4.txt", "/a/5.txt"})
            list.Add(f);
        list.Add("/a/3.txt"); // moves to the front
        EXPECT_EQ(list.Files(), QStringList({"/a/3.txt", "/a/5.txt", "/a/4.txt", "/a/2.txt"}));
        EXPECT_EQ(list.MenuText(0), "&1 /a/3.txt");
        EXPECT_EQ(list.MenuText(4), QString());
    }
    CRecentFileList again;
    EXPECT_EQ(again.Files().size(), 4);
    EXPECT_EQ(again.Files().value(0), "/a/3.txt");
    QSettings store("Local AppWizard-Generated Applications", "Pemro");
    EXPECT_EQ(store.value("Recent File List/File1").toString(), "/a/3.txt");
    again.Remove("/a/5.txt");
    EXPECT_EQ(again.Files(), QStringList({"/a/3.txt", "/a/4.txt", "/a/2.txt"}));
    CRecentFileList third;
    EXPECT_EQ(third.Files().size(), 3);
}

TEST(RecentFiles, LongPathsAreShortenedAndAmpersandsShown) {
    UseTemporarySettings();
    CRecentFileList list;
    list.Add("/very/long/folder/name/that/goes/on/and/on/for/ever/page.txt");
    list.Add("/x/a&b.txt");
    EXPECT_EQ(list.MenuText(0), "&1 /x/a&&b.txt");
    const QString shortened = list.MenuText(1);
    EXPECT_TRUE(shortened.endsWith("/page.txt"));
    EXPECT_TRUE(shortened.contains("..."));
    EXPECT_LE(shortened.size(), 3 + 40);
}

// --- Printing -------------------------------------------------------------------------

TEST(Print, RenderResolutionIsCapped) {
    EXPECT_EQ(PrintRenderDpi(1200), 150);
    EXPECT_EQ(PrintRenderDpi(300), 150);
    EXPECT_EQ(PrintRenderDpi(150), 150);
    EXPECT_EQ(PrintRenderDpi(96), 96);
    EXPECT_EQ(PrintRenderDpi(0), 1);
}

TEST(Print, PrintsEveryPageToPdfThroughTheHooks) {
    QTemporaryDir dir;
    const QString out = dir.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out);
    printer.setResolution(100); // small page images keep the test fast
    CShellTestView view;
    view.ResizeClient(100, 100);
    view.SetScrollSizes(MM_TEXT, CSize(100, 1000));
    view.ScrollToPosition(CPoint(0, 300)); // the screen's offset is not the paper's
    ASSERT_TRUE(PrintView(&view, &printer, false, nullptr));
    EXPECT_EQ(view.hooks, std::vector<std::string>({"begin", "page1", "page2", "end"}));
    ASSERT_EQ(view.printing.size(), 2u);
    EXPECT_TRUE(view.printing[0]);
    EXPECT_EQ(view.origins[0], CPoint(0, 0));
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    EXPECT_EQ(view.rects[0], CRect(0, 0, qRound(page.width()), qRound(page.height())));
    EXPECT_FALSE(view.InPass());

    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(CountPdfPages(pdf), 2);
}

TEST(Print, ABadPageCountStillPrintsOnePage) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("one.pdf"));
    printer.setResolution(50);
    CShellTestView view;
    view.maxPage = 0;
    ASSERT_TRUE(PrintView(&view, &printer, false, nullptr));
    EXPECT_EQ(view.hooks, std::vector<std::string>({"begin", "page1", "end"}));
}

TEST(Print, AViewInsideAPassIsNotPrinted) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTemporaryDir dir;
    printer.setOutputFileName(dir.filePath("x.pdf"));
    CShellTestView view;
    view.SetInPass(true);
    EXPECT_FALSE(PrintView(&view, &printer, false, nullptr));
    view.SetInPass(false);
    EXPECT_TRUE(view.hooks.empty());
}

// --- Pictures -------------------------------------------------------------------------

TEST(Picture, DrawsPngAndJpegScaledAndFailsOnBadFiles) {
    QTemporaryDir dir;
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    const QString png = dir.filePath("Red.png");
    ASSERT_TRUE(red.save(png, "PNG"));
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(Qt::black);
    CDC dc(&surface);
    EXPECT_TRUE(DrawPictureFile(&dc, png.toStdString(), CRect(0, 0, 8, 8)));
    EXPECT_EQ(QColor(surface.pixel(6, 6)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(surface.pixel(12, 12)), QColor(0, 0, 0));
    // The program writes its paths in any case.
    const std::string upper = (dir.path() + "/RED.PNG").toStdString();
    EXPECT_TRUE(DrawPictureFile(&dc, upper, CRect(10, 10, 12, 12)));

    if (QImageWriter::supportedImageFormats().contains("jpeg")) {
        QImage blue(8, 8, QImage::Format_RGB32);
        blue.fill(QColor(0, 0, 255));
        const QString jpg = dir.filePath("b.jpg");
        ASSERT_TRUE(blue.save(jpg, "JPEG", 100));
        EXPECT_TRUE(DrawPictureFile(&dc, jpg.toStdString(), CRect(0, 12, 8, 20)));
        EXPECT_GT(qBlue(surface.pixel(4, 16)), 200);
    }

    EXPECT_FALSE(DrawPictureFile(&dc, dir.filePath("none.jpg").toStdString(), CRect(0, 0, 5, 5)));
    QFile junk(dir.filePath("junk.gif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_FALSE(DrawPictureFile(&dc, junk.fileName().toStdString(), CRect(0, 0, 5, 5)));
    EXPECT_FALSE(DrawPictureFile(&dc, "", CRect(0, 0, 5, 5)));
    ClearPictureCache();
}

TEST(Picture, AChangedFileIsReadAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(path, "PNG"));
    QImage surface(4, 4, QImage::Format_RGB32);
    CDC dc(&surface);
    ASSERT_TRUE(DrawPictureFile(&dc, path.toStdString(), CRect(0, 0, 4, 4)));
    image = QImage(3, 3, QImage::Format_RGB32); // another size: another file
    image.fill(QColor(0, 255, 0));
    ASSERT_TRUE(image.save(path, "PNG"));
    ASSERT_TRUE(DrawPictureFile(&dc, path.toStdString(), CRect(0, 0, 4, 4)));
    EXPECT_EQ(QColor(surface.pixel(1, 1)), QColor(0, 255, 0));
    ClearPictureCache();
}

// --- Desktop services --------------------------------------------------------------

TEST(System, CommandLinesSplitAtBlanksOutsideQuotes) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("notepad00.exe"), V({"notepad00.exe"}));
    EXPECT_EQ(SplitCommandLine("  a   b\tc "), V({"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("prog \"a b\" c"), V({"prog", "a b", "c"}));
    EXPECT_EQ(SplitCommandLine("prog x\"y z\"w"), V({"prog", "xy zw"}));
    EXPECT_EQ(SplitCommandLine("prog \"\""), V({"prog", ""}));
    EXPECT_EQ(SplitCommandLine("prog \"open"), V({"prog", "open"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(System, WinExecFindsProgramsOrReportsThemMissing) {
    EXPECT_EQ(WinExec(""), 2u);
    EXPECT_EQ(WinExec("notepadxp.exe"), 2u);
    EXPECT_EQ(WinExec("no\\such\\program.exe arg"), 2u);
    if (!QStandardPaths::findExecutable("true").isEmpty()) {
        EXPECT_EQ(WinExec("true"), 33u);
    }
}

TEST(System, MessagesGoToTheSinkOrToStderrHeadless) {
    std::vector<std::string> seen;
    SetMessageBoxSink([&](const std::string& m) { seen.push_back(m); });
    AfxMessageBox("渲染图像失败！");
    SetMessageBoxSink(nullptr);
    EXPECT_EQ(seen, std::vector<std::string>({"渲染图像失败！"}));
    AfxMessageBox("headless: printed, never blocks");
}

TEST(System, ProgramDirIsTheCurrentDirectory) {
    const std::string dir = GetProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir, QDir::currentPath().toStdString() + "/");
}

TEST(System, BrowserPagesMustExist) {
    QTemporaryDir dir;
    EXPECT_FALSE(OpenInBrowser(dir.filePath("none.htm").toStdString()));
    EXPECT_FALSE(OpenInBrowser(""));
    QFile page(dir.filePath("p.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_TRUE(OpenInBrowser(page.fileName().toStdString())); // headless: named only
}
