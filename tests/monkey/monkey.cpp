// A seeded monkey over the real program, offscreen: menu commands, tool
// buttons, clicks, typing, pick lists, opening and closing windows, with
// every dialog answered by a seam that picks its answer from the same seed.
// It fails on a crash or sanitizer report (the process dies), on one event
// that keeps the event loop for more than a second, on "inf" or "nan" shown
// in any field, list or label, and on a modal window it cannot close.
//   ondarel_monkey EVENTS SEED CORPUS_DIR
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#include "app/main_window.h"
#include "app/window_factories.h"
#include "framework/command_guard.h"
#include "framework/window_registry.h"
#include "monkey/monkey_seam.h"

namespace ondarel::monkey {
namespace {

using Clock = std::chrono::steady_clock;

// The last events, printed when the run fails, so a failure can be read
// without replaying it.
class EventLog {
public:
    void add(const QString& line)
    {
        static const bool trace = qEnvironmentVariableIsSet("ONDAREL_MONKEY_TRACE");
        if (trace) std::fprintf(stderr, "%s\n", qPrintable(line));
        std::lock_guard lock(mutex_);
        lines_.push_back(line);
        if (lines_.size() > 40) lines_.pop_front();
    }
    void print() const
    {
        std::lock_guard lock(mutex_);
        for (const QString& line : lines_) std::fprintf(stderr, "  %s\n", qPrintable(line));
    }

private:
    mutable std::mutex mutex_;
    std::deque<QString> lines_;
};

[[noreturn]] void fail(const EventLog& log, const QString& why)
{
    std::fprintf(stderr, "monkey: %s\nlast events:\n", qPrintable(why));
    log.print();
    std::fflush(stderr);
    std::_Exit(1);
}

// Numbers, texts that may still become numbers, and garbage.
QString typedText(std::mt19937& random)
{
    static const char* const samples[] = {
        "0",    "1",     "2",    "0.5",  "0.25", "10",   "100",  "300",   "1000", "2.45", "4.4",  "0.001",
        "0.01", "-1",    "-42.5", "5.7e7", "1e30", "1e-30", "1e308", "9e4931", "-0", "+3", "3.",  ".5",
        "-",    "+",     ".",    "1e",   "1e-",  "e",    "1..2", "--1",  "abc",  "ç",   " ",    "1 2",
        "12345678901234567890", "0.0000001", "1e-5", "99999", "7", "20", "45", "90", "180", "0.1",
    };
    const auto count = std::size(samples);
    return QString::fromUtf8(samples[std::uniform_int_distribution<std::size_t>(0, count - 1)(random)]);
}

template <class T>
T* pick(std::mt19937& random, const QList<T*>& items)
{
    if (items.isEmpty()) return nullptr;
    return items[std::uniform_int_distribution<qsizetype>(0, items.size() - 1)(random)];
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w)) windows.push_back(w);
    return windows;
}

bool showsNonNumber(const QString& text)
{
    const QString lower = text.toLower();
    return lower.contains("nan") || lower.contains("inf");
}

// Shown texts that should never read "inf" or "nan". Labels and titles may
// contain words such as "Infinitesimal", so only fields and lists count.
std::optional<QString> nonNumberShown()
{
    for (QWidget* window : visibleWindows()) {
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            if (field->isVisible() && showsNonNumber(field->text()))
                return field->objectName() + " shows \"" + field->text() + '"';
        for (QListWidget* list : window->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                if (showsNonNumber(list->item(i)->text()))
                    return list->objectName() + " lists \"" + list->item(i)->text() + '"';
    }
    return std::nullopt;
}

// Key presses as a keyboard sends them; Qt's test keys know only ASCII, so
// other characters go as key events carrying their text.
void typeText(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

class Monkey : public QObject {
public:
    Monkey(int events, unsigned seed, QWidget* mainWindow) : remaining_(events), random_(seed), main_(mainWindow) {}

    void start()
    {
        heartbeat_ = Clock::now().time_since_epoch().count();
        watchdog_ = std::thread([this] { watch(); });
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void finish()
    {
        stop_ = true;
        watchdog_.join();
    }

    int done() const { return done_; }

private:
    void watch()
    {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const auto since = Clock::now().time_since_epoch().count() - heartbeat_.load();
            if (std::chrono::nanoseconds(since) > std::chrono::seconds(1) && busy_)
                fail(log_, QString("event %1 kept the event loop for more than 1 s").arg(done_));
        }
    }

    void beat() { heartbeat_ = Clock::now().time_since_epoch().count(); }

    // One event per timer shot: a modal window's own loop runs the timer
    // too, so the monkey goes on inside it and must close it itself.
    void step()
    {
        if (remaining_ <= 0) {
            closeModals();
            QApplication::exit(0);
            return;
        }
        --remaining_;
        ++done_;
        // The next event is queued first, so that a modal window's loop,
        // entered by this one, runs it.
        QTimer::singleShot(0, this, [this] { step(); });
        beat();
        busy_ = true;
        act();
        busy_ = false;
        beat();
        if (auto shown = nonNumberShown()) fail(log_, *shown);
    }

    void closeModals()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            log_.add("close modal " + modal->objectName());
            modal->close();
            QApplication::processEvents();
        }
        if (QWidget* modal = QApplication::activeModalWidget())
            fail(log_, "the modal window " + modal->objectName() + " cannot be closed");
    }

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void act()
    {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* window = modal ? modal : pick(random_, visibleWindows());
        if (!window) window = main_;
        const int what = roll(100);
        if (modal && what < 8) return closeWindow(modal);
        if (what < 30) return triggerAction(window);
        if (what < 50) return clickButton(window);
        if (what < 80) return typeInto(window);
        if (what < 88) return chooseItem(window);
        if (what < 92 && window != main_) return closeWindow(window);
        triggerAction(main_);
    }

    void triggerAction(QWidget* window)
    {
        QList<QAction*> actions;
        for (QAction* action : window->findChildren<QAction*>())
            if (action->isEnabled() && !action->isSeparator() && !action->menu() &&
                action->objectName() != "Sair1" && !action->text().isEmpty())
                actions.push_back(action);
        QAction* action = pick(random_, actions);
        if (!action) return;
        log_.add(window->objectName() + " action " + action->objectName() + " \"" + action->text() + '"');
        action->trigger();
    }

    void clickButton(QWidget* window)
    {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled()) buttons.push_back(button);
        QAbstractButton* button = pick(random_, buttons);
        if (!button) return;
        log_.add(window->objectName() + " click " + button->objectName() + " \"" + button->text() + '"');
        button->click();
    }

    void typeInto(QWidget* window)
    {
        QList<QLineEdit*> fields;
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            if (field->isVisible() && field->isEnabled() && !field->isReadOnly()) fields.push_back(field);
        QLineEdit* field = pick(random_, fields);
        if (!field) return;
        const QString text = typedText(random_);
        const int how = roll(4);
        log_.add(QString("%1 type %2 \"%3\"%4").arg(window->objectName(), field->objectName(), text,
                                                    how == 0 ? " (appended)" : how == 3 ? " + Enter" : ""));
        field->setFocus();
        if (how != 0) field->selectAll();
        typeText(field, text);
        if (how == 3) QTest::keyClick(field, Qt::Key_Return);
    }

    void chooseItem(QWidget* window)
    {
        QList<QWidget*> choosers;
        for (QComboBox* box : window->findChildren<QComboBox*>())
            if (box->isVisible() && box->isEnabled() && box->count() > 0) choosers.push_back(box);
        for (QListWidget* list : window->findChildren<QListWidget*>())
            if (list->isVisible() && list->isEnabled() && list->count() > 0) choosers.push_back(list);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            if (tabs->isVisible() && tabs->count() > 0) choosers.push_back(tabs);
        QWidget* chooser = pick(random_, choosers);
        if (!chooser) return;
        if (auto* box = qobject_cast<QComboBox*>(chooser)) {
            const int index = roll(box->count());
            log_.add(QString("%1 choose %2 item %3").arg(window->objectName(), box->objectName()).arg(index));
            box->setCurrentIndex(index);
        } else if (auto* list = qobject_cast<QListWidget*>(chooser)) {
            const int row = roll(list->count());
            log_.add(QString("%1 choose %2 row %3").arg(window->objectName(), list->objectName()).arg(row));
            list->setCurrentRow(row);
            if (roll(2)) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                            list->visualItemRect(list->item(row)).center());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(chooser)) {
            const int index = roll(tabs->count());
            log_.add(QString("%1 tab %2").arg(window->objectName()).arg(index));
            tabs->setCurrentIndex(index);
        }
    }

    void closeWindow(QWidget* window)
    {
        log_.add("close " + window->objectName());
        window->close();
    }

    int remaining_;
    int done_ = 0;
    std::mt19937 random_;
    QWidget* main_;
    EventLog log_;
    std::thread watchdog_;
    std::atomic<long long> heartbeat_{0};
    std::atomic<bool> busy_{false};
    std::atomic<bool> stop_{false};
};

}  // namespace
}  // namespace ondarel::monkey

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ondarel_monkey EVENTS SEED CORPUS_DIR\n");
        return 2;
    }
    const int events = std::atoi(argv[1]);
    const auto seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    ondarel::OndarelApplication app(argc, argv);
    QApplication::setApplicationName("Ondarel");

    QTemporaryDir saves;
    auto& registry = ondarel::WindowRegistry::instance();
    registry.setSeam(ondarel::monkey::makeMonkeySeam(seed, QString::fromLocal8Bit(argv[3]), saves.path()));
    registry.setManualLocations(QStringList{});
    ondarel::registerWindows();
    auto mainWindow = std::make_unique<ondarel::MainWindow>();
    registry.create("TForm39");
    mainWindow->show();

    ondarel::monkey::Monkey monkey(events, seed, mainWindow.get());
    monkey.start();
    const int status = app.exec();
    monkey.finish();
    // Windows closed by the last events are freed by deferred deletes, which
    // the ended event loop no longer runs.
    registry.closeAll();
    mainWindow.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("monkey: %d events, seed %u: %s\n", monkey.done(), seed, status == 0 ? "ok" : "failed");
    return status;
}
