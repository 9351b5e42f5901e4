#include "app/soak_driver.h"

#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "platform/scroll_view.h"
#include "platform/view_widget.h"
#include "view/catalog_menu_tables.h"
#include "view/menu_tables.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <random>
#include <set>
#include <vector>

namespace {

constexpr int kDefaultClicks = 10000;
constexpr int kClicksPerCommand = 40; // a random command now and then
constexpr int kProgressEvery = 1000;
// Steps a modal window may ignore Escape before it is closed outright.
constexpr int kEscapeTries = 20;
constexpr int kWatchMs = 20; // how often modal windows are looked for

class SoakDriver : public QObject {
public:
    SoakDriver(CMainFrame* frame, int clicks, unsigned seed)
        : QObject(frame), m_frame(frame), m_target(clicks), m_rng(seed) {
        CollectCommands();
        std::fprintf(stderr, "soak: %zu commands, %d clicks\n", m_commands.size() + m_idOnly.size(),
                     m_target);
        // Two timers: Qt does not fire a timer again while its last timeout
        // is still running, and a command's dialog runs inside one.
        connect(&m_timer, &QTimer::timeout, this, [this] { Step(); });
        connect(&m_watch, &QTimer::timeout, this, [this] { CancelModal(); });
        m_timer.start(0);
        m_watch.start(kWatchMs);
    }

private:
    void CollectCommands() {
        std::set<unsigned> seen;
        const auto add = [&](QAction* a) {
            const unsigned id = a->data().toUInt();
            // Exit would end the run; the recent files open nothing known.
            if (a->isSeparator() || id == 0 || id == ID_APP_EXIT ||
                (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 4) || !seen.insert(id).second)
                return;
            m_commands.push_back(a);
        };
        std::vector<QMenu*> menus;
        for (QAction* top : m_frame->menuBar()->actions())
            if (top->menu()) menus.push_back(top->menu());
        for (size_t i = 0; i < menus.size(); ++i) // grows as submenus are found
            for (QAction* a : menus[i]->actions()) {
                if (a->menu())
                    menus.push_back(a->menu());
                else
                    add(a);
            }
        for (QAction* a : m_frame->ToolBar()->actions()) add(a);
        // Commands that no menu shows are run by id.
        const auto addRows = [&](const auto* rows, size_t n) {
            for (size_t i = 0; i < n; ++i)
                if (rows[i].id != 0 && rows[i].id != kLabelId && seen.insert(rows[i].id).second)
                    m_idOnly.push_back(rows[i].id);
        };
        addRows(kTopicRows, kTopicRowCount);
        addRows(kCommandRows, kCommandRowCount);
        addRows(CatalogCommandRows().data(), CatalogCommandRows().size());
    }

    bool AnyViewInPass() const {
        for (CChildFrame* child : m_frame->Children())
            if (child->GetView() && child->GetView()->InPass()) return true;
        return false;
    }

    void CancelModal() {
        if (QWidget* modal = QApplication::activeModalWidget())
            Cancel(modal);
        else if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    void Step() {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
        // A command or a pass is still running (its dialog or animation
        // turns the event loop): a user could not act either.
        if (m_busy || AnyViewInPass()) return;
        m_busy = true;
        if (m_next < m_commands.size()) {
            Run(m_commands[m_next++]);
        } else if (m_nextId < m_idOnly.size()) {
            std::fprintf(stderr, "soak: command %u by id\n", m_idOnly[m_nextId]);
            ++m_commandsRun;
            m_frame->OnCommand(m_idOnly[m_nextId++]);
        } else if (m_clicks < m_target)
            RandomInput();
        else
            Finish();
        m_busy = false;
    }

    void Cancel(QWidget* modal) {
        if (modal != m_lastModal) {
            m_lastModal = modal;
            m_escapes = 0;
            ++m_dialogs;
            std::fprintf(stderr, "soak: cancel \"%s\"\n", qUtf8Printable(modal->windowTitle()));
        }
        if (++m_escapes > kEscapeTries) {
            std::fprintf(stderr, "soak: \"%s\" ignored Escape; closed\n",
                         qUtf8Printable(modal->windowTitle()));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        QApplication::postEvent(modal,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QApplication::postEvent(modal,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
    }

    void Run(QAction* command) {
        m_frame->UpdateCommandUI(); // as opening its menu would
        if (!command->isEnabled()) return;
        ++m_commandsRun;
        std::fprintf(stderr, "soak: command %u %s\n", command->data().toUInt(),
                     qUtf8Printable(command->text()));
        command->trigger();
    }

    void RandomInput() {
        if (m_clicks % kClicksPerCommand == kClicksPerCommand - 1)
            Run(m_commands[std::uniform_int_distribution<size_t>(0, m_commands.size() - 1)(m_rng)]);
        CChildFrame* child = m_frame->ActiveChild();
        if (!child || !child->ViewWidget()) {
            Run(m_frame->FindCommand(ID_FILE_NEW)); // every window was closed
            return;
        }
        QWidget* page = child->ViewWidget()->viewport();
        const QPoint at(std::uniform_int_distribution<int>(0, page->width() - 1)(m_rng),
                        std::uniform_int_distribution<int>(0, page->height() - 1)(m_rng));
        const int kind = std::uniform_int_distribution<int>(0, 19)(m_rng);
        if (kind == 0) {
            Post(page, QEvent::MouseMove, at, Qt::NoButton);
        } else {
            const Qt::MouseButton button = kind == 1 ? Qt::RightButton : Qt::LeftButton;
            Post(page, QEvent::MouseButtonPress, at, button);
            Post(page, QEvent::MouseButtonRelease, at, button);
        }
        if (++m_clicks % kProgressEvery == 0) std::fprintf(stderr, "soak: %d clicks\n", m_clicks);
    }

    static void Post(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
        QApplication::postEvent(w, new QMouseEvent(type, QPointF(at), QPointF(w->mapToGlobal(at)),
                                                   button, held, Qt::NoModifier));
    }

    void Finish() {
        m_timer.stop();
        m_watch.stop();
        std::fprintf(stderr, "soak: done: %d commands run, %d clicks, %d modal windows cancelled\n",
                     m_commandsRun, m_clicks, m_dialogs);
        qApp->installEventFilter(this);
    }

    // After the run: the first key or button from the window system ends it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if ((t == QEvent::KeyPress || t == QEvent::MouseButtonPress) && event->spontaneous()) {
            std::fprintf(stderr, "soak: responsive\n");
            QCoreApplication::exit(0);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

    CMainFrame* m_frame;
    const int m_target;
    std::mt19937 m_rng;
    QTimer m_timer;
    QTimer m_watch;
    std::vector<QAction*> m_commands;
    std::vector<unsigned> m_idOnly;
    size_t m_next = 0;
    size_t m_nextId = 0;
    int m_clicks = 0;
    int m_commandsRun = 0;
    int m_dialogs = 0;
    int m_escapes = 0;
    QPointer<QWidget> m_lastModal;
    bool m_busy = false;
};

} // namespace

void StartSoakDriver(CMainFrame* frame, const QString& spec) {
    int clicks = kDefaultClicks;
    unsigned seed = 1;
    for (const QString& part : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = part.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = part.section(QLatin1Char('='), 1).trimmed();
        if (key == QLatin1String("clicks")) clicks = qMax(0, value.toInt());
        if (key == QLatin1String("seed")) seed = value.toUInt();
    }
    new SoakDriver(frame, clicks, seed);
}
