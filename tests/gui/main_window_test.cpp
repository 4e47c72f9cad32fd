// The main window as the user drives it: the code listing and the character
// of a code, the tab order, the keys of the quit button and the access keys.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "ZazoZovEzuv.h"
#include "error_box_watcher.h"
#include "gui_test_main.h"
#include "typing.h"

using dividir::SystemText;

namespace {

// The main window, shown and active, with every change and click counted on
// its way to the window's own handlers.
class WindowFixture {
  public:
    WindowFixture() {
        Count(window.Memo1->OnChange, memo1Changes);
        Count(window.Memo2->OnChange, memo2Changes);
        Count(window.Edit1->OnChange, edit1Changes);
        Count(window.Button1->OnClick, clicks);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static void Count(TNotifyEvent& event, int& count) {
        event = [original = event, &count](TObject* sender) {
            ++count;
            if (original) original(sender);
        };
    }

    // Sends a key to whatever has the focus, as the keyboard does.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QWidget* Control(const QString& name) { return window.findChild<QWidget*>(name); }

    TDiviDir window;
    int memo1Changes = 0;
    int memo2Changes = 0;
    int edit1Changes = 0;
    int clicks = 0;
};

const SystemText kListingA = "A\t65\t0x00000041\r\n";
const SystemText kListingHiraganaA = "\x82\xa0\t12354\t0x00003042\r\n";
const SystemText kListingB = "B\t66\t0x00000042\r\n";
const QStringList kTabOrder = {"Memo1", "Memo2", "Edit1", "Edit2", "Button1"};

}  // namespace

Q_DECLARE_METATYPE(SystemText)
Q_DECLARE_METATYPE(Qt::Key)

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void buildingRunsNoHandler() {
        ErrorBoxWatcher watcher;  // Edit1Change on the empty entry would open a box
        TDiviDir window;
        QVERIFY(!window.isVisible());
        for (const SystemText& text : {window.Memo1->Text(), window.Memo2->Text(),
                                       window.Edit1->Text(), window.Edit2->Text()}) {
            QVERIFY(text.empty());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.focusWidget(), window.Memo1);
        QCOMPARE(window.Memo1->textCursor().position(), 0);
        QVERIFY(watcher.Boxes().empty());
    }

    void typingIntoMemo1ListsTheCodes() {
        WindowFixture f;
        QTest::keyClicks(f.window.Memo1, "A");
        QCOMPARE(f.window.Memo2->Text(), kListingA);
        Type(f.window.Memo1, QStringLiteral("あ"));
        QCOMPARE(f.window.Memo2->Text(), kListingA + kListingHiraganaA);
        QCOMPARE(f.memo1Changes, 2);
    }

    void pastingIntoMemo1RunsTheHandlerOnce() {
        WindowFixture f;
        QApplication::clipboard()->setText(QStringLiteral("Aあ\nB"));
        QTest::keyClick(f.window.Memo1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.memo1Changes, 1);
        QCOMPARE(f.window.Memo2->Text(), kListingA + kListingHiraganaA + kListingB);
    }

    // The listing does not change, so Memo2 is not written: it keeps its
    // caret and selection.
    void blanksAndLineBreaksLeaveMemo2Untouched() {
        WindowFixture f;
        QTest::keyClicks(f.window.Memo1, "AB");
        QTextCursor selection = f.window.Memo2->textCursor();
        selection.setPosition(2);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        f.window.Memo2->setTextCursor(selection);
        f.memo2Changes = 0;
        QTest::keyClick(f.window.Memo1, Qt::Key_Space);
        QTest::keyClick(f.window.Memo1, Qt::Key_Return);
        QCOMPARE(f.window.Memo1->Text(), SystemText("AB \r\n"));
        QCOMPARE(f.memo1Changes, 4);
        QCOMPARE(f.memo2Changes, 0);
        QCOMPARE(f.window.Memo2->textCursor().anchor(), 2);
        QCOMPARE(f.window.Memo2->textCursor().position(), 5);
    }

    void deletingAllOfMemo1EmptiesMemo2() {
        WindowFixture f;
        QTest::keyClicks(f.window.Memo1, "AB");
        f.window.Memo1->selectAll();
        QTest::keyClick(f.window.Memo1, Qt::Key_Delete);
        QCOMPARE(f.window.Memo2->Text(), SystemText());
    }

    void textTypedIntoMemo2RunsNothingUntilMemo1Changes() {
        WindowFixture f;
        f.window.Memo2->setFocus();
        QTest::keyClicks(f.window.Memo2, "zz");
        QCOMPARE(f.memo1Changes, 0);
        QCOMPARE(f.window.Memo2->Text(), SystemText("zz"));
        QTest::keyClicks(f.window.Memo1, "A");
        QCOMPARE(f.window.Memo2->Text(), kListingA);
    }

    void edit1ShowsTheCharacterOfACode_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<SystemText>("character");
        QTest::newRow("decimal") << "65" << SystemText("A");
        QTest::newRow("hexadecimal") << "0x3042" << SystemText("\x82\xa0");
        QTest::newRow("hexadecimal without prefix") << "30A2" << SystemText("\x83\x41");
        QTest::newRow("digits alone are decimal") << "3042" << SystemText("?");
        QTest::newRow("decimal of a kanji") << "12354" << SystemText("\x82\xa0");
        QTest::newRow("low 16 bits") << "0x10041" << SystemText("A");
        QTest::newRow("default character") << "0x20AC" << SystemText("?");
        QTest::newRow("unit 0 shows nothing") << "0" << SystemText();
    }
    void edit1ShowsTheCharacterOfACode() {
        QFETCH(QString, entry);
        QFETCH(SystemText, character);
        WindowFixture f;
        ErrorBoxWatcher watcher;
        f.window.Edit1->setFocus();
        QTest::keyClicks(f.window.Edit1, entry);
        QCOMPARE(f.window.Edit2->Text(), character);
        QCOMPARE(f.edit1Changes, int(entry.size()));
        QVERIFY(watcher.Boxes().empty());
    }

    void conversionErrorLeavesEdit2AsItWas_data() {
        QTest::addColumn<QString>("valid");
        QTest::addColumn<Qt::Key>("lastKey");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty entry")
            << "0x41" << Qt::Key_unknown << "'' is not a valid integer value.";
        QTest::newRow("decimal too large")
            << "214748364" << Qt::Key_8 << "'2147483648' is not a valid integer value.";
    }
    void conversionErrorLeavesEdit2AsItWas() {
        QFETCH(QString, valid);
        QFETCH(Qt::Key, lastKey);
        QFETCH(QString, shown);
        WindowFixture f;
        f.window.Edit1->setFocus();
        QTest::keyClicks(f.window.Edit1, valid);
        const SystemText before = f.window.Edit2->Text();
        ErrorBoxWatcher watcher;
        if (lastKey == Qt::Key_unknown) {
            f.window.Edit1->selectAll();
            QTest::keyClick(f.window.Edit1, Qt::Key_Backspace);
        } else {
            QTest::keyClick(f.window.Edit1, lastKey);
        }
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        QCOMPARE(watcher.Boxes().front().text, shown);
        QCOMPARE(watcher.Boxes().front().caption, QCoreApplication::applicationName());
        QCOMPARE(f.window.Edit2->Text(), before);
        // The caret is back in Edit1: the next keystroke goes there.
        QTRY_COMPARE(QApplication::focusWidget(), f.window.Edit1);
    }

    void tabOrderBothWays() {
        WindowFixture f;
        for (int round = 0; round < 2; ++round) {
            for (const QString& name : kTabOrder) {
                QCOMPARE(QApplication::focusWidget(), f.Control(name));
                WindowFixture::Press(Qt::Key_Tab);
            }
        }
        for (qsizetype i = kTabOrder.size() - 1; i >= 0; --i) {
            WindowFixture::Press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), f.Control(kTabOrder[i]));
        }
        QCOMPARE(f.window.Memo1->Text(), SystemText());  // Tab inserted nothing
        QCOMPARE(f.memo1Changes, 0);
    }

    void tabIntoEdit1SelectsTheWholeEntry() {
        WindowFixture f;
        f.window.Edit1->setFocus();
        QTest::keyClicks(f.window.Edit1, "65");
        f.window.Memo2->setFocus();
        WindowFixture::Press(Qt::Key_Tab);
        QCOMPARE(f.window.Edit1->selectedText(), QStringLiteral("65"));
        QTest::keyClicks(f.window.Edit1, "66");
        QCOMPARE(f.window.Edit2->Text(), SystemText("B"));
    }

    void tabWithCtrlOrAltKeepsTheFocus_data() {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl") << int(Qt::ControlModifier);
        QTest::newRow("Alt") << int(Qt::AltModifier);
    }
    void tabWithCtrlOrAltKeepsTheFocus() {
        QFETCH(int, modifiers);
        WindowFixture f;
        WindowFixture::Press(Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), f.window.Memo1);
    }

    void keysThatClickTheButton_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
        QTest::newRow("Q alone") << Qt::Key_Q;
    }
    void keysThatClickTheButton() {
        QFETCH(Qt::Key, key);
        WindowFixture f;
        f.window.Button1->setFocus();
        WindowFixture::Press(key);
        QCOMPARE(f.clicks, 1);
        QVERIFY(!f.window.isVisible());  // Button1Click closed the window
    }

    void keysThatDoNotClickTheButton_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Escape") << Qt::Key_Escape;
        QTest::newRow("a letter no control takes") << Qt::Key_X;
        QTest::newRow("a label's access key") << Qt::Key_S;
    }
    void keysThatDoNotClickTheButton() {
        QFETCH(Qt::Key, key);
        WindowFixture f;
        f.window.Button1->setFocus();
        WindowFixture::Press(key);
        QCOMPARE(f.clicks, 0);
        QVERIFY(f.window.isVisible());
        QCOMPARE(QApplication::focusWidget(), f.window.Button1);
    }

    void arrowsOnTheButtonFollowTheTabOrder_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Right") << Qt::Key_Right << "Memo1";
        QTest::newRow("Down") << Qt::Key_Down << "Memo1";
        QTest::newRow("Left") << Qt::Key_Left << "Edit2";
        QTest::newRow("Up") << Qt::Key_Up << "Edit2";
    }
    void arrowsOnTheButtonFollowTheTabOrder() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, focused);
        WindowFixture f;
        f.window.Button1->setFocus();
        WindowFixture::Press(key);
        QCOMPARE(QApplication::focusWidget(), f.Control(focused));
        QCOMPARE(f.clicks, 0);
    }

    void altQClosesFromEveryControl_data() {
        QTest::addColumn<QString>("control");
        for (const QString& name : kTabOrder) QTest::newRow(qPrintable(name)) << name;
    }
    void altQClosesFromEveryControl() {
        QFETCH(QString, control);
        WindowFixture f;
        f.Control(control)->setFocus();
        WindowFixture::Press(Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(f.clicks, 1);
        QVERIFY(!f.window.isVisible());
        for (TMemo* memo : {f.window.Memo1, f.window.Memo2}) QVERIFY(memo->Text().empty());
        for (TEdit* edit : {f.window.Edit1, f.window.Edit2}) QVERIFY(edit->Text().empty());
    }

    void labelAccessKeysDoNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::Key>("key");
        for (const QString& name : {QStringLiteral("Memo1"), QStringLiteral("Edit1")}) {
            QTest::addRow("Alt+S in %s", qPrintable(name)) << name << Qt::Key_S;
            QTest::addRow("Alt+U in %s", qPrintable(name)) << name << Qt::Key_U;
            QTest::addRow("Alt+D in %s", qPrintable(name)) << name << Qt::Key_D;
        }
    }
    void labelAccessKeysDoNothing() {
        QFETCH(QString, control);
        QFETCH(Qt::Key, key);
        WindowFixture f;
        f.Control(control)->setFocus();
        WindowFixture::Press(key, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f.Control(control));
        QVERIFY(f.window.Memo1->Text().empty());
        QVERIFY(f.window.Edit1->Text().empty());
        QCOMPARE(f.clicks, 0);
    }

    void qIsTextInMemosAndFields_data() {
        QTest::addColumn<QString>("control");
        for (const QString& name : kTabOrder.mid(0, 4)) QTest::newRow(qPrintable(name)) << name;
    }
    void qIsTextInMemosAndFields() {
        QFETCH(QString, control);
        WindowFixture f;
        ErrorBoxWatcher watcher;
        f.Control(control)->setFocus();
        WindowFixture::Press(Qt::Key_Q);
        QCOMPARE(f.clicks, 0);
        QVERIFY(f.window.isVisible());
        const auto* memo = qobject_cast<QPlainTextEdit*>(f.Control(control));
        const auto* edit = qobject_cast<QLineEdit*>(f.Control(control));
        QCOMPARE(memo != nullptr ? memo->toPlainText() : edit->text(), QStringLiteral("q"));
    }

    void returnAndEscapeInFieldsChangeNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::Key>("key");
        for (const QString& name : {QStringLiteral("Edit1"), QStringLiteral("Edit2")}) {
            QTest::addRow("Return in %s", qPrintable(name)) << name << Qt::Key_Return;
            QTest::addRow("Escape in %s", qPrintable(name)) << name << Qt::Key_Escape;
        }
    }
    void returnAndEscapeInFieldsChangeNothing() {
        QFETCH(QString, control);
        QFETCH(Qt::Key, key);
        WindowFixture f;
        auto* field = static_cast<TEdit*>(f.Control(control));
        field->setFocus();
        QTest::keyClicks(field, "65");
        WindowFixture::Press(key);
        QCOMPARE(field->Text(), SystemText("65"));
        QCOMPARE(f.clicks, 0);
        QVERIFY(f.window.isVisible());
    }
};

DIVIDIR_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
