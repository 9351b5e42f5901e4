#include "platform/system.h"

#include "platform/file.h"
#include "platform/text_codec.h"
#include "platform/vector_state.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <ctime>

namespace {

constexpr unsigned kExecStarted = 33;
constexpr unsigned kExecNotFound = 2;   // ERROR_FILE_NOT_FOUND
constexpr unsigned kExecBadFormat = 11; // ERROR_BAD_FORMAT: found, did not start

std::function<void(const std::string&)>& MessageSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

std::function<void(const std::string&)>& StatusSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

// The program a command line names: a path is taken relative to the program
// folder; a bare name is looked up there first, then on PATH. Empty when
// there is none.
QString FindProgram(const std::string& gbkName) {
    const QString resolved = QString::fromStdString(ResolveProgramPath(gbkName));
    const QFileInfo local(QDir::current(), resolved);
    if (local.isFile() && local.isExecutable()) return local.absoluteFilePath();
    if (gbkName.find_first_of("/\\") != std::string::npos) return QString();
    return QStandardPaths::findExecutable(QString::fromStdString(GbkToUtf8(gbkName)));
}

} // namespace

bool IsHeadless() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

void SetStatusMessageSink(std::function<void(const std::string&)> sink) {
    StatusSink() = std::move(sink);
}

void ShowStatusMessage(const std::string& utf8Text) {
    if (StatusSink())
        StatusSink()(utf8Text);
    else
        std::fprintf(stderr, "Pemro: %s\n", utf8Text.c_str());
}

void SetMessageBoxSink(std::function<void(const std::string&)> sink) {
    MessageSink() = std::move(sink);
}

void AfxMessageBox(const std::string& utf8Text) {
    if (MessageSink()) {
        MessageSink()(utf8Text);
        return;
    }
    if (IsHeadless()) {
        // Nobody could close a box here; never block.
        std::fprintf(stderr, "Pemro: %s\n", utf8Text.c_str());
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Pemro"),
                             QString::fromStdString(utf8Text));
    ClearUpperVectorState(); // the box's painting; the pass may go on
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true; // "" is an empty word
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

unsigned WinExec(const std::string& commandLine, int) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty() || words[0].empty()) return kExecNotFound;
    const QString program = FindProgram(words[0]);
    if (program.isEmpty()) return kExecNotFound;
    QStringList arguments;
    for (size_t i = 1; i < words.size(); ++i)
        arguments << QString::fromStdString(GbkToUtf8(words[i]));
    return QProcess::startDetached(program, arguments) ? kExecStarted : kExecBadFormat;
}

bool OpenInBrowser(const std::string& utf8PathOrUrl) {
    QString text = QString::fromStdString(utf8PathOrUrl).trimmed();
    if (text.isEmpty()) return false;
    QUrl url;
    const QUrl asUrl(text, QUrl::StrictMode);
    if (asUrl.isValid() && asUrl.scheme().size() > 1) {
        url = asUrl; // http:, https:, file: ... (a one-letter scheme is a drive)
    } else {
        text.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QFileInfo file(text);
        if (!file.exists()) // as the program writes paths: any case
            file.setFile(QString::fromStdString(ResolveProgramPath(Gbk(utf8PathOrUrl))));
        if (!file.exists()) return false;
        url = QUrl::fromLocalFile(file.absoluteFilePath());
    }
    if (IsHeadless()) {
        std::fprintf(stderr, "Pemro: page %s\n", url.toString().toUtf8().constData());
        return true;
    }
    return QDesktopServices::openUrl(url);
}

std::string GetProgramDir() {
    return Gbk(QDir::currentPath().toStdString()) + '/';
}

std::chrono::nanoseconds ThreadCpuTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}
