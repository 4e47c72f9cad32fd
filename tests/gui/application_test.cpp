// The application object with the main window: the title, the taskbar
// entry's window and its pairing with the main window, the start-up show
// commands, the error box's caption, owner and screen, and the ways the
// program ends. Runs on two screens, the primary one first.
#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <csignal>
#include <functional>
#include <memory>

#include "ZazoZovEzuv.h"
#include "error_box_watcher.h"
#include "gui_test_main.h"
#include "platform/application.h"
#include "platform/show_command.h"

using dividir::SystemText;

namespace {

class ApplicationFixture {
  public:
    ApplicationFixture() {
        application.CreateMainForm([] { return std::make_unique<TDiviDir>(); });
    }

    TDiviDir& Main() { return static_cast<TDiviDir&>(*application.MainForm()); }
    QWidget& Entry() { return application.Window(); }

    // Shown as after a normal start, active, with the focus in `control`.
    void ShowWithFocusIn(QWidget* control) {
        application.ShowMainForm(dividir::kShowDefault);
        QApplication::setActiveWindow(&Main());
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
        control->setFocus();
    }

    TApplication application;
};

using Action = std::function<void(ApplicationFixture&)>;

// The window system reports that `window` is now in `state`, as after a click
// on its minimise box or on its taskbar entry.
void WindowSystemSets(QWidget& window, Qt::WindowStates state) {
    // The offscreen platform reports every requested state back later, as a
    // window manager does; it has caught up with the program before the user
    // acts.
    QCoreApplication::processEvents();
    const Qt::WindowStates old = window.windowState();
    window.setWindowState(state);
    QWindowStateChangeEvent report(old);
    QSpontaneKeyEvent::setSpontaneous(&report);
    qApp->notify(&window, &report);
}

}  // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Qt::WindowStates)

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void titleIsTheProgramFilesName() {
        ApplicationFixture f;
        QCOMPARE(Application, &f.application);
        // The file application_test: the first character stays as it is.
        QCOMPARE(f.application.Title(), SystemText("application_test"));
        QCOMPARE(f.Entry().windowTitle(), QStringLiteral("application_test"));
        QCOMPARE(f.Main().windowTitle(), QStringLiteral("Kelo 日本語化用 Unicode表示ツール"));
        QVERIFY(!QApplication::windowIcon().isNull());
    }

    void showCommands_data() {
        QTest::addColumn<int>("showCommand");
        QTest::addColumn<Qt::WindowStates>("mainState");
        QTest::newRow("3 maximised") << 3 << Qt::WindowStates(Qt::WindowMaximized);
        QTest::newRow("7 minimised as a whole") << 7 << Qt::WindowStates(Qt::WindowMinimized);
        QTest::newRow("10, the default, normal") << 10 << Qt::WindowStates(Qt::WindowNoState);
        QTest::newRow("any other value normal") << 1 << Qt::WindowStates(Qt::WindowNoState);
    }
    void showCommands() {
        QFETCH(int, showCommand);
        QFETCH(Qt::WindowStates, mainState);
        ApplicationFixture f;
        f.application.ShowMainForm(showCommand);
        QCOMPARE(f.Main().windowState(), mainState);
        QVERIFY(f.Entry().isVisible());
        QCOMPARE(f.Entry().isMinimized(), bool(mainState & Qt::WindowMinimized));
        // Restoring the application shows the main window in the normal
        // state, active, with the focus in Memo1.
        if (f.Entry().isMinimized()) WindowSystemSets(f.Entry(), Qt::WindowNoState);
        QTRY_COMPARE(QApplication::activeWindow(), &f.Main());
        QCOMPARE(f.Main().windowState(), mainState & ~Qt::WindowMinimized);
        QCOMPARE(QApplication::focusWidget(), f.Main().Memo1);
        QVERIFY(f.Main().isVisible());
    }

    void theStartupShowCommandIsTheDefault() {
        QCOMPARE(dividir::StartupShowCommand(), dividir::kShowDefault);
    }

    void minimisingEitherWindowMinimisesTheApplication_data() {
        QTest::addColumn<bool>("throughTheEntry");
        QTest::newRow("the main window's minimise box") << false;
        QTest::newRow("the taskbar entry's Minimize") << true;
    }
    void minimisingEitherWindowMinimisesTheApplication() {
        QFETCH(bool, throughTheEntry);
        ApplicationFixture f;
        f.ShowWithFocusIn(f.Main().Edit1);
        WindowSystemSets(throughTheEntry ? f.Entry() : static_cast<QWidget&>(f.Main()),
                         Qt::WindowMinimized);
        QVERIFY(f.Entry().isMinimized());
        QVERIFY(f.Main().isMinimized());
        // A click on the entry restores both, and the focus goes back to
        // the control that had it.
        WindowSystemSets(f.Entry(), Qt::WindowNoState);
        QVERIFY(!f.Main().isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), &f.Main());
        QCOMPARE(QApplication::focusWidget(), f.Main().Edit1);
    }

    void activatingTheEntryActivatesTheMainWindow() {
        ApplicationFixture f;
        f.ShowWithFocusIn(f.Main().Edit1);
        QSignalSpy activations(qApp, &QGuiApplication::focusWindowChanged);
        f.Entry().activateWindow();
        QTRY_VERIFY(activations.contains({QVariant::fromValue(f.Entry().windowHandle())}));
        QTRY_COMPARE(QApplication::activeWindow(), &f.Main());
        QCOMPARE(QApplication::focusWidget(), f.Main().Edit1);
    }

    void errorBoxIsCaptionedWithTheTitleAndOwnedByTheEntry() {
        ApplicationFixture f;
        f.ShowWithFocusIn(f.Main().Edit1);
        QTest::keyClick(f.Main().Edit1, Qt::Key_1);
        ErrorBoxWatcher watcher;
        QTest::keyClick(f.Main().Edit1, Qt::Key_Backspace);
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        const SeenErrorBox& box = watcher.Boxes().front();
        QCOMPARE(box.caption, QStringLiteral("application_test"));
        QCOMPARE(box.text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(box.owner, &f.Entry());
        // The main window is active again, and the next keystroke goes to Edit1.
        QTRY_COMPARE(QApplication::activeWindow(), &f.Main());
        QCOMPARE(QApplication::focusWidget(), f.Main().Edit1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(f.Main().Edit1->Text(), SystemText("5"));
    }

    void errorBoxOpensOnTheScreenOfTheActiveWindow() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QScreen* second = QGuiApplication::screens().at(1);
        ApplicationFixture f;
        const QPoint home = f.Entry().pos();
        f.Main().move(second->geometry().topLeft() + QPoint(192, 108));
        f.ShowWithFocusIn(f.Main().Edit1);
        QTRY_COMPARE(f.Main().screen(), second);
        const QScreen* entryScreenWhileOpen = nullptr;
        ErrorBoxWatcher watcher([&] { entryScreenWhileOpen = f.Entry().screen(); });
        QTest::keyClick(f.Main().Edit1, Qt::Key_1);
        QTest::keyClick(f.Main().Edit1, Qt::Key_Backspace);
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        QCOMPARE(watcher.Boxes().front().screen, second);
        QCOMPARE(entryScreenWhileOpen, second);
        QCOMPARE(f.Entry().pos(), home);
    }

    // Each ends the message loop with exit code 0, without a question; the
    // main window stays shown until shutdown.
    void closeRequestsEndTheLoop_data() {
        QTest::addColumn<Action>("request");
        QTest::newRow("quit button")
            << Action([](ApplicationFixture& f) { f.Main().Button1->click(); });
        QTest::newRow("Alt+Q") << Action([](ApplicationFixture& f) {
            QTest::keyClick(f.Main().Memo1, Qt::Key_Q, Qt::AltModifier);
        });
        // The close box, Alt+F4 and Close in the window menu all come as the
        // window manager's close request.
        QTest::newRow("close box") << Action([](ApplicationFixture& f) { f.Main().close(); });
        QTest::newRow("Close in the taskbar entry's menu")
            << Action([](ApplicationFixture& f) { f.Entry().close(); });
        QTest::newRow("Close in the menu of the minimised entry")
            << Action([](ApplicationFixture& f) {
                   WindowSystemSets(f.Entry(), Qt::WindowMinimized);
                   f.Entry().close();
               });
        QTest::newRow("SIGTERM") << Action([](ApplicationFixture&) { std::raise(SIGTERM); });
        QTest::newRow("SIGHUP") << Action([](ApplicationFixture&) { std::raise(SIGHUP); });
    }
    void closeRequestsEndTheLoop() {
        QFETCH(Action, request);
        ApplicationFixture f;
        ErrorBoxWatcher watcher;
        QTimer::singleShot(0, &f.Main(), [&] { request(f); });
        // Should the request be lost, the loop still ends, and the test fails.
        QTimer lost;
        lost.setSingleShot(true);
        QObject::connect(&lost, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        lost.start(10000);
        QCOMPARE(f.application.Run(), 0);
        QVERIFY(f.Main().isVisible());
        QVERIFY(watcher.Boxes().empty());
    }
};

DIVIDIR_GUI_TEST_MAIN(ApplicationTest)
#include "application_test.moc"
