// External programs: the script editor, the browser for the prepared pages,
// and the file dialog for a background picture of the user's own.
#include "view/external_programs.h"

#include "dialogs/common_dialogs.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <cstdlib>
#include <strings.h>

namespace {

constexpr unsigned kExecFailed = 31; // WinExec results above this mean started

const char* const kEditorPrograms[] = {"Notepad98.exe", "notepad00.exe", "notepadxp.exe"};
const char* const kBrowserProgram = "IEXPLORE.EXE";
// Text editors of this desktop that stand in for the Notepad programs.
const char* const kStandInEditors[] = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad",
};

const char* const kNoEditorMessage =
    u8"找不到文本编辑器：请设置环境变量 VISUAL，或安装 gedit、kate、mousepad 等文本编辑器。";

const char* const kPictureFilter = "JPEG文件(*.jpg)|*.jpg|GIF文件(*.gif)|*.gif||";

std::function<void(const std::string&)>& Starter() {
    static std::function<void(const std::string&)> starter;
    return starter;
}

bool IsOneOf(const std::string& program, const char* const* names, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (strcasecmp(program.c_str(), names[i]) == 0) return true;
    return false;
}

void StartWithStandIn(const std::string& commandLine) {
    if (WinExec(commandLine, SW_SHOW) > kExecFailed) return;
    const size_t blank = commandLine.find(' ');
    const std::string program = commandLine.substr(0, blank);
    if (IsOneOf(program, kEditorPrograms, std::size(kEditorPrograms))) {
        for (const std::string& editor : StandInEditors(std::getenv("VISUAL")))
            if (WinExec(editor, SW_SHOW) > kExecFailed) return;
        // Worth saying: the menu item would otherwise do nothing at all.
        AfxMessageBox(kNoEditorMessage);
    } else if (IsOneOf(program, &kBrowserProgram, 1) && blank != std::string::npos) {
        OpenInBrowser(GbkToUtf8(commandLine.substr(blank + 1)));
    }
}

} // namespace

std::vector<std::string> StandInEditors(const char* visual) {
    std::vector<std::string> editors;
    if (visual && *visual) editors.push_back(Gbk(visual)); // command lines are GBK
    editors.insert(editors.end(), std::begin(kStandInEditors), std::end(kStandInEditors));
    return editors;
}

void SetProgramStarter(std::function<void(const std::string&)> starter) {
    Starter() = std::move(starter);
}

void StartProgram(const std::string& commandLine) {
    if (Starter())
        Starter()(commandLine);
    else
        StartWithStandIn(commandLine);
}

std::string BrowserCommandLine(const std::string& programDir, const std::string& page) {
    return std::string(kBrowserProgram) + " " + programDir + page;
}

// The user picks the entry of the installed system; no file is named, the
// script is opened inside the editor.
void CPemroView::OnEditScript(int which) {
    if (which >= 0 && which < int(std::size(kEditorPrograms))) StartProgram(kEditorPrograms[which]);
}

void CPemroView::OpenHtmlPage(CString page) {
    StartProgram(BrowserCommandLine(m_strProgramDir, page));
}

void CPemroView::OnOpenHtmlPage(int n) {
    OpenHtmlPage(n == 1 ? "1.htm" : "2.htm");
}

void CPemroView::OnChooseBackgroundPicture() {
    std::string path;
    if (!ChooseFileDialog(&path, kPictureFilter, "jpg")) return;
    m_strBackgroundPicture = path;
    Invalidate(FALSE);
}
