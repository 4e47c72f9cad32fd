// The window's guard: an error that leaves a handler ends there, is shown in
// the error box, and the program goes on.
#include <QApplication>
#include <QTest>
#include <new>
#include <stdexcept>

#include "conversion/exception.h"
#include "error_box_watcher.h"
#include "gui_test_main.h"
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/memo.h"

using dividir::SystemText;

namespace {

enum class Raised {
    ConversionError,
    FullStop,
    ExclamationMark,
    IdeographicFullStop,
    EmptyMessage,
    OutOfMemory,
    BadAlloc,
    StdException,
    NotAnException,
    Markup,
    ByteZero,
    Abort
};

[[noreturn]] void Raise(Raised raised) {
    switch (raised) {
        case Raised::ConversionError:
            throw dividir::EConvertError("'' is not a valid integer value");
        case Raised::FullStop:
            throw dividir::Exception("Done.");
        case Raised::ExclamationMark:
            throw dividir::Exception("Stop!");
        case Raised::IdeographicFullStop:
            throw dividir::Exception("\x8f\x49\x82\xed\x82\xe8\x81\x42");
        case Raised::EmptyMessage:
            throw dividir::Exception("");
        case Raised::OutOfMemory:
            throw dividir::EOutOfMemory();
        case Raised::BadAlloc:
            throw std::bad_alloc();
        case Raised::StdException:
            throw std::runtime_error("disk on fire");
        case Raised::NotAnException:
            throw 42;
        case Raised::Markup:
            throw dividir::Exception("<b>bold</b>");
        case Raised::ByteZero:
            throw dividir::Exception(SystemText("cut\0here", 8));
        case Raised::Abort:
            throw dividir::EAbort("silent");
    }
    throw std::logic_error("unreachable");
}

class GuardFixture {
  public:
    GuardFixture() : button(new TButton(&host)), field(new TEdit(&host)) {
        button->setGeometry(0, 0, 100, 25);
        field->setGeometry(0, 30, 100, 20);
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
    }

    QWidget host;
    TButton* button;
    TEdit* field;
};

}  // namespace

Q_DECLARE_METATYPE(Raised)

class GuardTest : public QObject {
    Q_OBJECT

  private slots:
    void errorLeavingAHandlerIsShown_data() {
        QTest::addColumn<Raised>("raised");
        QTest::addColumn<QString>("shown");
        QTest::newRow("conversion error")
            << Raised::ConversionError << "'' is not a valid integer value.";
        QTest::newRow("ends in a full stop") << Raised::FullStop << "Done.";
        QTest::newRow("ends in an exclamation mark") << Raised::ExclamationMark << "Stop!";
        QTest::newRow("ends in the ideographic full stop")
            << Raised::IdeographicFullStop << QStringLiteral("終わり。.");
        QTest::newRow("empty message") << Raised::EmptyMessage << "";
        QTest::newRow("out of memory") << Raised::OutOfMemory << "Out of memory.";
        QTest::newRow("std::bad_alloc") << Raised::BadAlloc << "Out of memory.";
        QTest::newRow("other std::exception") << Raised::StdException << "disk on fire.";
        QTest::newRow("not an exception") << Raised::NotAnException << "Unknown error.";
        QTest::newRow("markup stays text") << Raised::Markup << "<b>bold</b>.";
        QTest::newRow("message ends at byte 0") << Raised::ByteZero << "cut";
    }
    void errorLeavingAHandlerIsShown() {
        QFETCH(Raised, raised);
        QFETCH(QString, shown);
        GuardFixture f;
        f.button->OnClick = [raised](TObject*) { Raise(raised); };
        ErrorBoxWatcher watcher;
        f.button->setFocus();
        QTest::keyClick(f.button, Qt::Key_Space);
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        const SeenErrorBox& box = watcher.Boxes().front();
        QCOMPARE(box.text, shown);
        QCOMPARE(box.textFormat, Qt::PlainText);
        QCOMPARE(box.caption, QCoreApplication::applicationName());
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.applicationModal);
        // The program goes on where it was: the focus is back, and the next
        // click is handled afresh.
        QTRY_COMPARE(QApplication::focusWidget(), f.button);
        QTest::keyClick(f.button, Qt::Key_Return);
        QCOMPARE(watcher.Boxes().size(), std::size_t(2));
    }

    void silentErrorShowsNothing() {
        GuardFixture f;
        int clicks = 0;
        f.button->OnClick = [&](TObject*) {
            ++clicks;
            Raise(Raised::Abort);
        };
        ErrorBoxWatcher watcher;
        f.button->click();
        f.button->click();
        QCOMPARE(clicks, 2);
        QVERIFY(watcher.Boxes().empty());
    }

    // The change notification comes out of Qt's text handling; the error
    // ends in the guard, and what the field did before it notified stays.
    void errorFromAChangeKeepsTheTypedText() {
        GuardFixture f;
        f.field->OnChange = [](TObject*) { Raise(Raised::ConversionError); };
        ErrorBoxWatcher watcher;
        f.field->setFocus();
        QTest::keyClicks(f.field, "ab");
        QCOMPARE(watcher.Boxes().size(), std::size_t(2));
        QCOMPARE(f.field->Text(), SystemText("ab"));
    }

    void boxTakesAllInputWhileOpen() {
        GuardFixture f;
        QWindow* window = f.host.windowHandle();
        ErrorBoxWatcher watcher([&] { QTest::keyClick(window, Qt::Key_X); });
        f.field->OnChange = [](TObject*) { Raise(Raised::ConversionError); };
        f.field->setFocus();
        QTest::keyClicks(f.field, "a");
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        QCOMPARE(f.field->Text(),
                 SystemText("a"));  // the X typed while the box was open went nowhere
    }
};

DIVIDIR_GUI_TEST_MAIN(GuardTest)
#include "guard_test.moc"
