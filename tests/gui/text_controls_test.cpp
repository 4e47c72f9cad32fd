// The memo and the field as the handlers and the user see them: system text
// in and out, change reports, text arriving through the code page, and the
// memo changing only the lines that differ.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextBlockUserData>

#include "gui_test_main.h"
#include "platform/edit.h"
#include "platform/memo.h"
#include "platform/memo_document.h"
#include "platform/qt_system_text.h"
#include "typing.h"

using dividir::SystemText;

Q_DECLARE_METATYPE(SystemText)

namespace {

// A window holding a memo, a field and a plain line edit to take the focus
// away, counting the change reports of the memo and the field.
class ControlsFixture {
  public:
    ControlsFixture()
        : memo(new TMemo(&host)), field(new TEdit(&host)), elsewhere(new QLineEdit(&host)) {
        memo->setGeometry(0, 0, 200, 100);
        field->setGeometry(0, 110, 200, 20);
        elsewhere->setGeometry(0, 140, 200, 20);
        memo->OnChange = [this](TObject* sender) {
            QCOMPARE(sender, memo);
            ++memoChanges;
        };
        field->OnChange = [this](TObject*) { ++fieldChanges; };
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
    }

    QWidget host;
    TMemo* memo;
    TEdit* field;
    QLineEdit* elsewhere;
    int memoChanges = 0;
    int fieldChanges = 0;
};

// What a memo shows when its whole document is set from scratch.
QString FullReplacement(const SystemText& text) {
    QPlainTextEdit fresh;
    fresh.setPlainText(dividir::ToQString(text));
    return fresh.document()->toRawText();
}

SystemText Listing(int first, int count) {
    SystemText listing;
    for (int unit = first; unit < first + count; ++unit) {
        listing += static_cast<char>('A' + unit % 26);
        listing += "\t" + std::to_string(unit) + "\t0x000000" + std::to_string(unit % 100) + "\r\n";
    }
    return listing;
}

enum class MemoAction {
    TypeOne,
    TypeThree,
    PasteLines,
    CutSelection,
    Undo,
    SetByProgram,
    ComposeOnly,
    CommitComposition,
    Tab
};

struct Marker : QTextBlockUserData {};

}  // namespace

Q_DECLARE_METATYPE(MemoAction)

class TextControlsTest : public QObject {
    Q_OBJECT

  private slots:
    void memoReadsWhatItHolds_data() {
        QTest::addColumn<SystemText>("set");
        QTest::addColumn<SystemText>("read");
        QTest::newRow("CR LF") << SystemText("a\r\nb") << SystemText("a\r\nb");
        QTest::newRow("lone LF") << SystemText("a\nb") << SystemText("a\r\nb");
        QTest::newRow("lone CR") << SystemText("a\rb") << SystemText("a\r\nb");
        QTest::newRow("cut at byte 0") << SystemText("x\0y", 3) << SystemText("x");
        QTest::newRow("empty") << SystemText() << SystemText();
        QTest::newRow("duplicate code") << SystemText("\x87\x90") << SystemText("\x81\xe0");
        QTest::newRow("broken character") << SystemText("a\x82") << SystemText("a\x81\x45");
    }
    void memoReadsWhatItHolds() {
        QFETCH(SystemText, set);
        QFETCH(SystemText, read);
        ControlsFixture f;
        f.memo->SetText(set);
        QCOMPARE(f.memo->Text(), read);
        // Read from the document itself after the user's edits, the text is the same.
        f.memo->setFocus();
        f.memo->moveCursor(QTextCursor::End);
        QTest::keyClick(f.memo, Qt::Key_Z);
        QTest::keyClick(f.memo, Qt::Key_Backspace);
        QCOMPARE(f.memo->Text(), read);
    }

    void typedReturnBreaksTheLineWithCrLf() {
        ControlsFixture f;
        f.memo->setFocus();
        QTest::keyClicks(f.memo, "a");
        QTest::keyClick(f.memo, Qt::Key_Return);
        QTest::keyClicks(f.memo, "b");
        QCOMPARE(f.memo->Text(), SystemText("a\r\nb"));
    }

    void memoSetToItsOwnTextDoesNothing() {
        ControlsFixture f;
        f.memo->SetText("abc\r\ndef");
        QTextCursor selection = f.memo->textCursor();
        selection.setPosition(1);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        f.memo->setTextCursor(selection);
        f.memoChanges = 0;
        f.memo->SetText("abc\r\ndef");
        f.memo->SetText(SystemText("abc\r\ndef\0ghi", 12));
        QCOMPARE(f.memoChanges, 0);
        QCOMPARE(f.memo->textCursor().anchor(), 1);
        QCOMPARE(f.memo->textCursor().position(), 5);
    }

    void memoReportsEveryChangeOnce_data() {
        QTest::addColumn<MemoAction>("action");
        QTest::addColumn<int>("reports");
        QTest::newRow("typing a character") << MemoAction::TypeOne << 1;
        QTest::newRow("typing three") << MemoAction::TypeThree << 3;
        QTest::newRow("pasting lines") << MemoAction::PasteLines << 1;
        QTest::newRow("cutting") << MemoAction::CutSelection << 1;
        QTest::newRow("undoing") << MemoAction::Undo << 1;
        QTest::newRow("set by the program") << MemoAction::SetByProgram << 1;
        QTest::newRow("composing only") << MemoAction::ComposeOnly << 0;
        QTest::newRow("committing a composition") << MemoAction::CommitComposition << 1;
        QTest::newRow("Tab") << MemoAction::Tab << 0;
    }
    void memoReportsEveryChangeOnce() {
        QFETCH(MemoAction, action);
        QFETCH(int, reports);
        ControlsFixture f;
        f.memo->setFocus();
        QTest::keyClicks(f.memo, "xyz");
        f.memoChanges = 0;
        switch (action) {
            case MemoAction::TypeOne:
                QTest::keyClicks(f.memo, "a");
                break;
            case MemoAction::TypeThree:
                QTest::keyClicks(f.memo, "abc");
                break;
            case MemoAction::PasteLines:
                QApplication::clipboard()->setText(QStringLiteral("one\ntwo\r\nthree"));
                QTest::keyClick(f.memo, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(f.memo->Text(), SystemText("xyzone\r\ntwo\r\nthree"));
                break;
            case MemoAction::CutSelection:
                f.memo->selectAll();
                f.memo->cut();
                break;
            case MemoAction::Undo:
                f.memo->undo();
                break;
            case MemoAction::SetByProgram:
                f.memo->SetText("new");
                break;
            case MemoAction::ComposeOnly: {
                QInputMethodEvent composing(QStringLiteral("か"), {});
                QApplication::sendEvent(f.memo, &composing);
                break;
            }
            case MemoAction::CommitComposition: {
                QInputMethodEvent composing(QStringLiteral("か"), {});
                QApplication::sendEvent(f.memo, &composing);
                QInputMethodEvent commit;
                commit.setCommitString(QStringLiteral("火"));
                QApplication::sendEvent(f.memo, &commit);
                QCOMPARE(f.memo->Text(), SystemText("xyz\x89\xce"));
                break;
            }
            case MemoAction::Tab:
                QTest::keyClick(f.memo, Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), f.field);
                break;
        }
        QCOMPARE(f.memoChanges, reports);
    }

    // Text that arrives shows as the code page can hold it, as the code
    // listing shows it: best-fit or default characters.
    void arrivingTextPassesThroughTheCodePage_data() {
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("shown");
        QTest::newRow("best fit") << QStringLiteral("ü") << QStringLiteral("u");
        QTest::newRow("default character") << QStringLiteral("€") << QStringLiteral("?");
        QTest::newRow("outside the BMP") << QStringLiteral("😀") << QStringLiteral("??");
        QTest::newRow("in the code page") << QStringLiteral("あ") << QStringLiteral("あ");
        QTest::newRow("mixed") << QStringLiteral("aé漢") << QStringLiteral("ae漢");
    }
    void arrivingTextPassesThroughTheCodePage() {
        QFETCH(QString, arriving);
        QFETCH(QString, shown);
        ControlsFixture f;
        f.memo->setFocus();
        Type(f.memo, arriving);
        QCOMPARE(f.memo->toPlainText(), shown);

        f.memo->clear();
        f.memoChanges = 0;
        QApplication::clipboard()->setText(arriving);
        QTest::keyClick(f.memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.memo->toPlainText(), shown);
        QCOMPARE(f.memoChanges, 1);

        f.field->setFocus();
        Type(f.field, arriving);
        QCOMPARE(f.field->text(), shown);
        f.field->clear();
        QTest::keyClick(f.field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.field->text(), shown);
    }

    void pastedTextEndsAtU0000() {
        ControlsFixture f;
        f.memo->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf16(u"ab\0cd", 5));
        QTest::keyClick(f.memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.memo->Text(), SystemText("ab"));
    }

    // Setting a text changes only the lines that differ; the document ends
    // up exactly as a full replacement would leave it.
    void memoReplacesOnlyChangedLines_data() {
        QTest::addColumn<SystemText>("before");
        QTest::addColumn<SystemText>("after");
        const SystemText listing = Listing(0, 50);
        QTest::newRow("line added at the end") << listing << listing + Listing(50, 1);
        QTest::newRow("line removed at the end") << listing + Listing(50, 1) << listing;
        QTest::newRow("line added in between") << Listing(0, 20) + Listing(21, 29) << listing;
        QTest::newRow("line removed in between") << listing << Listing(0, 20) + Listing(21, 29);
        QTest::newRow("line added at the start") << Listing(1, 49) << listing;
        QTest::newRow("everything differs") << Listing(0, 5) << Listing(100, 7);
        QTest::newRow("from empty") << SystemText() << listing;
        QTest::newRow("to empty") << listing << SystemText();
        QTest::newRow("last break removed") << SystemText("A\r\nB\r\n") << SystemText("A\r\nB");
        QTest::newRow("last break added") << SystemText("A\r\nB") << SystemText("A\r\nB\r\n");
        QTest::newRow("lone LF and CR") << SystemText("A\r\nB\r\nC") << SystemText("A\nB\rX\r\nC");
        QTest::newRow("CR LF split") << SystemText("A\r\nB") << SystemText("A\rXB");
        QTest::newRow("duplicate code in between")
            << SystemText("A\r\nB\r\nC") << SystemText("A\r\n\x87\x90\r\nC");
        QTest::newRow("empty lines")
            << SystemText("\r\n\r\n\r\n") << SystemText("\r\n\r\nX\r\n\r\n");
    }
    void memoReplacesOnlyChangedLines() {
        QFETCH(SystemText, before);
        QFETCH(SystemText, after);
        ControlsFixture f;
        f.memo->SetText(before);
        f.memo->SetText(after);
        QCOMPARE(f.memo->document()->toRawText(), FullReplacement(after));
        TMemo reference(nullptr);
        reference.setPlainText(dividir::ToQString(after));
        QCOMPARE(f.memo->Text(), reference.Text());
    }

    void memoMatchesFullReplacementOverManyEdits() {
        ControlsFixture f;
        QRandomGenerator random(4);  // fixed: every run checks the same edits
        std::vector<SystemText> lines;
        const std::vector<SystemText> pieces = {
            "A\t65\t0x00000041", "\x82\xa0\t12354\t0x00003042", "", "\x87\x90", "x\ry", "a\nb"};
        for (int step = 0; step < 300; ++step) {
            const auto at = static_cast<std::size_t>(random.bounded(int(lines.size()) + 1));
            const SystemText& piece = pieces[random.bounded(int(pieces.size()))];
            switch (random.bounded(3)) {
                case 0:
                    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), piece);
                    break;
                case 1:
                    if (at < lines.size())
                        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                    break;
                default:
                    if (at < lines.size()) lines[at] = piece;
                    break;
            }
            SystemText text;
            for (const SystemText& line : lines) text += line + "\r\n";
            if (random.bounded(4) == 0 && !text.empty()) text.resize(text.size() - 2);
            f.memo->SetText(text);
            QCOMPARE(f.memo->document()->toRawText(), FullReplacement(text));
        }
    }

    void memoKeepsTheLinesThatStay() {
        ControlsFixture f;
        f.memo->SetText(Listing(0, 100));
        QTextBlock kept = f.memo->document()->findBlockByNumber(90);
        kept.setUserData(new Marker);
        f.memo->SetText(Listing(0, 10) + Listing(200, 1) + Listing(10, 90));
        // The block that held line 90 still exists, one line further down.
        QVERIFY(f.memo->document()->findBlockByNumber(91).userData() != nullptr);
    }

    void fieldReadsWhatItHolds() {
        ControlsFixture f;
        f.field->SetText(SystemText("12\0 34", 6));
        QCOMPARE(f.field->Text(), SystemText("12"));
        QCOMPARE(f.fieldChanges, 1);
        f.field->setSelection(0, 1);
        f.field->SetText("12");
        QCOMPARE(f.fieldChanges, 1);
        QCOMPARE(f.field->selectedText(), QStringLiteral("1"));
        // A text that shows as the current one but differs in its bytes is set.
        f.field->SetText("\x81\xe0");
        f.fieldChanges = 0;
        f.field->SetText("\x87\x90");
        QCOMPARE(f.fieldChanges, 1);
    }

    void fieldTakesPastedTextUpToItsFirstLineBreak_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::newRow("CR LF") << "" << 0 << "ab\r\ncd"
                               << "ab";
        QTest::newRow("LF") << "" << 0 << "ab\ncd"
                            << "ab";
        QTest::newRow("into the middle") << "xy" << 1 << "ab\ncd"
                                         << "xaby";
        QTest::newRow("U+0000") << "" << 0 << QString::fromUtf16(u"a\0b", 3) << "a";
        QTest::newRow("through the code page") << "" << 0 << QStringLiteral("€1") << "?1";
        QTest::newRow("like the text before it") << "ab" << 1 << "b\nz"
                                                 << "abb";
    }
    void fieldTakesPastedTextUpToItsFirstLineBreak() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        ControlsFixture f;
        f.field->setText(text);
        f.field->setFocus();
        f.field->setCursorPosition(caret);
        f.fieldChanges = 0;
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(f.field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.field->text(), result);
        QCOMPARE(f.fieldChanges, 1);
    }

    // A line break the program put into the field stays; only arriving
    // text is cut at one.
    void fieldKeepsALineBreakSetByTheProgram() {
        ControlsFixture f;
        f.field->SetText("\n");
        f.field->setFocus();
        f.field->end(false);
        QTest::keyClicks(f.field, "x");
        QCOMPARE(f.field->Text(), SystemText("\nx"));
        QApplication::clipboard()->setText(QStringLiteral("y\nz"));
        QTest::keyClick(f.field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.field->Text(), SystemText("\nxy"));
    }

    void returnAndEscapeDoNothingInAField() {
        ControlsFixture f;
        f.field->setFocus();
        QTest::keyClicks(f.field, "12");
        f.fieldChanges = 0;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(f.field, &press);
            QVERIFY(press.isAccepted());  // taken by the field: no button or window sees it
        }
        QCOMPARE(f.field->Text(), SystemText("12"));
        QCOMPARE(f.fieldChanges, 0);
    }

    void fieldSelectsAllWhenEnteredByKeyboard() {
        ControlsFixture f;
        f.field->setText(QStringLiteral("0x3042"));
        f.memo->setFocus();
        QTest::keyClick(f.memo, Qt::Key_Tab);
        QCOMPARE(f.field->selectedText(), QStringLiteral("0x3042"));
        QTest::keyClick(f.field, Qt::Key_Tab);
        QTest::keyClick(f.elsewhere, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.field);
        QCOMPARE(f.field->selectedText(), QStringLiteral("0x3042"));
    }

    void fieldPlacesTheCaretWhenClicked() {
        ControlsFixture f;
        f.field->setText(QStringLiteral("0x3042"));
        f.memo->setFocus();
        // Through the window system, as a real click comes.
        QTest::mouseClick(f.host.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          f.field->mapTo(&f.host, QPoint(2, 10)));
        QCOMPARE(QApplication::focusWidget(), f.field);
        QVERIFY(!f.field->hasSelectedText());
    }

    void fieldHeightFollowsItsFont() {
        ControlsFixture f;
        QFont font = f.field->font();
        font.setPixelSize(15);
        f.field->setFont(font);
        f.field->AdjustSizeToFont();
        QCOMPARE(f.field->height(), f.field->fontMetrics().height() + 8);
    }
};

DIVIDIR_GUI_TEST_MAIN(TextControlsTest)
#include "text_controls_test.moc"
