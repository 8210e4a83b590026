// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>

#include <array>
#include <cstring>
#include <vector>

#include "calendar/today.h"
#include "tests/random_actions/hang_watchdog.h"
#include "tests/random_actions/random_user.h"
#include "tests/random_actions/wave_tree.h"
#include "tests/random_actions/window_checks.h"
#include "tests/support/gui_test.h"
#include "ui/translation.h"

using namespace random_actions;

namespace {

// The seed of the regular run; "-seed N" replays another run, "-actions N" changes its length.
constexpr quint32 kDefaultSeed = 20260607;
constexpr int kDefaultActions = 3000;
// Seconds one action may take before the run counts as hung; sanitizers slow it tenfold.
constexpr int kHangLimitSeconds = 60;

struct RunOptions {
    quint32 seed = kDefaultSeed;
    int actions = kDefaultActions;
};

// Takes this test's own options out of the arguments, which Qt Test would reject.
RunOptions takeRunOptions(int &argc, char **argv) {
    RunOptions options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const bool seed = std::strcmp(argv[i], "-seed") == 0;
        const bool actions = std::strcmp(argv[i], "-actions") == 0;
        if ((seed || actions) && i + 1 < argc) {
            const QByteArray value(argv[++i]);
            if (seed)
                options.seed = value.toUInt();
            else
                options.actions = value.toInt();
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    return options;
}

// The idle event loop between two user actions: the windows that the action showed appear,
// deferred deletions of closed windows happen, queued events arrive, menus left open close.
void settle() {
    gui_test::waitUntilAllShown();
    while (const QPointer<QWidget> popup = QApplication::activePopupWidget()) {
        gui_test::waitBeforeHiding(popup);
        if (popup)
            popup->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The offscreen platform warns each time a window is raised or grabs the keyboard, which
// would bury the test's own messages.
QtMessageHandler qtTestHandler = nullptr;
void dropPlatformLimits(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        qtTestHandler(type, context, text);
}

// The only boxes the program shows are its error boxes, titled in the language shown.
QString checkBoxes(const QList<gui_test::SeenBox> &boxes) {
    const QString errorTitle = QCoreApplication::translate("ErrorBox", "Error");
    for (const gui_test::SeenBox &box : boxes)
        if (box.title != errorTitle || box.icon != QMessageBox::Critical)
            return QStringLiteral("unexpected box \"%1\": %2").arg(box.title, box.text);
    return {};
}

} // namespace

class TestRandomActions : public QObject {
    Q_OBJECT

public:
    explicit TestRandomActions(RunOptions options) : options_(options) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUserActions();

private:
    RunOptions options_;
    QString startFolder_;
    WaveTree tree_;
    gui_test::ModalBoxWatcher boxes_;
};

void TestRandomActions::initTestCase() {
    QVERIFY(tree_.isValid());
    // The selection window starts in the current folder.
    startFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tree_.root()));
    qtTestHandler = qInstallMessageHandler(dropPlatformLimits);
}

void TestRandomActions::cleanupTestCase() {
    qInstallMessageHandler(qtTestHandler);
    gui_test::closeAllWindows();
    QDir::setCurrent(startFolder_);
    calendar::pinToday({});
    QLocale::setDefault(QLocale::system());
    ui::installTranslation(QLocale::c());
}

void TestRandomActions::randomUserActions() {
    const QString replay =
        QStringLiteral("replay with -seed %1 -actions %2").arg(options_.seed).arg(options_.actions);
    qInfo("seed %u, %d actions (%s)", options_.seed, options_.actions, qPrintable(replay));
    QRandomGenerator random(options_.seed);

    // Locales with a decimal point, a decimal comma, a narrow-blank grouping and Arabic
    // separators, the windows in the locale's language where the program speaks it;
    // today anywhere in two centuries.
    static const std::array<const char *, 5> locales{"en_US", "de_DE", "fr_FR", "ar_EG", "ja_JP"};
    const QLocale locale{QLatin1String(locales[random.bounded(5)])};
    QLocale::setDefault(locale);
    ui::installTranslation(locale);
    const QDate today = QDate(1900, 1, 1).addDays(random.bounded(200 * 365));
    calendar::pinToday(today);
    qInfo("locale %s, today %s", qPrintable(locale.name()),
          qPrintable(today.toString(Qt::ISODate)));

    RandomUser user(random, tree_);
    HangWatchdog watchdog(kHangLimitSeconds, replay);
    std::array<int, kActionKinds> counts{};
    for (int done = 0; done < options_.actions; ++done) {
        QString what;
        const ActionKind kind = user.act(what);
        ++counts[static_cast<std::size_t>(kind)];
        settle();
        watchdog.finished(done + 1);
        QString problem = user.problem();
        if (problem.isEmpty())
            problem = checkBoxes(boxes_.take());
        if (problem.isEmpty())
            problem = checkWindows(tree_);
        if (problem.isEmpty() && QTest::currentTestFailed())
            problem = QStringLiteral("a step of the action failed");
        if (!problem.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("action %1 (%2): %3; %4").arg(done + 1).arg(what, problem, replay)));
        if ((done + 1) % 500 == 0)
            qInfo("%d actions done", done + 1);
    }
    for (std::size_t kind = 0; kind < kActionKinds; ++kind)
        qInfo("%6d %s", counts[kind], actionName(static_cast<ActionKind>(kind)));
}

int main(int argc, char *argv[]) {
    const RunOptions options = takeRunOptions(argc, argv);
    gui_test::preferOffscreenPlatform();
    QApplication app(argc, argv);
    gui_test::configureApplication();
    TestRandomActions tests(options);
    return gui_test::finishTests(QTest::qExec(&tests, argc, argv));
}

#include "tst_random_actions.moc"
