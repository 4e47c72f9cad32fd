// The platform layer's own rules, apart from any window: access keys, the
// scaling of a stored layout, the line-wise difference of two texts, the
// memo's document form, and reading and building a window description.
#include <QKeyEvent>
#include <QTest>

#include "conversion/exception.h"
#include "gui_test_main.h"
#include "platform/access_keys.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/layout_scaling.h"
#include "platform/line_difference.h"
#include "platform/memo.h"
#include "platform/memo_document.h"
#include "platform/window_description.h"

namespace {

// A form built from a description in the test, with one published field and
// one published handler.
class TTestForm : public TForm {
  public:
    TMemo* Memo1 = nullptr;
    int changes = 0;
    void Memo1Change(TObject*) { ++changes; }

    void BuildFrom(const QByteArray& designerFile) {
        Build(dividir::ReadWindowDescription(designerFile),
              {DIVIDIR_PUBLISHED(TTestForm, Memo1), DIVIDIR_PUBLISHED(TTestForm, Memo1Change)});
    }
};

QByteArray Description(const QByteArray& controls, const QByteArray& tabStops = {}) {
    return "<ui version=\"4.0\"><class>TTestForm</class><widget class=\"TForm\" name=\"Test\">"
           "<property "
           "name=\"geometry\"><rect><x>10</x><y>20</y><width>300</width><height>200</height></"
           "rect></property>" +
           controls + "</widget><tabstops>" + tabStops + "</tabstops></ui>";
}

const QByteArray kMemo1 =
    "<widget class=\"TMemo\" name=\"Memo1\"><property name=\"geometry\"><rect><x>1</x><y>2</y>"
    "<width>30</width><height>40</height></rect></property>"
    "<property name=\"OnChange\" stdset=\"0\"><string>Memo1Change</string></property></widget>";

}  // namespace

class PlatformRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void accessKeyOfCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");  // empty: none
        QTest::newRow("label S") << QStringLiteral("Unicodeを表示したい文字(&S)") << "S";
        QTest::newRow("first letter") << "&Unicode"
                                      << "U";
        QTest::newRow("lower case") << "Unico&de"
                                    << "d";
        QTest::newRow("button") << QStringLiteral("終了(&Q)") << "Q";
        QTest::newRow("no mark") << QStringLiteral("■文字からUnicodeを表示") << "";
        QTest::newRow("literal ampersand") << "A&&B"
                                           << "";
        QTest::newRow("literal then mark") << "A&&&B"
                                           << "B";
        QTest::newRow("first mark counts") << "&A&B"
                                           << "A";
        QTest::newRow("mark at the end") << "End&"
                                         << "";
    }
    void accessKeyOfCaption() {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        const auto found = dividir::AccessKeyOf(caption);
        QCOMPARE(found.has_value() ? QString(*found) : QString(), key);
    }

    void accessKeysIgnoreCase() {
        QVERIFY(dividir::IsAccessKey(QChar(u'd'), QChar(u'D')));
        QVERIFY(dividir::IsAccessKey(QChar(u'Q'), QChar(u'q')));
        QVERIFY(!dividir::IsAccessKey(QChar(u'S'), QChar(u'U')));
        QVERIFY(!dividir::IsAccessKey(std::nullopt, QChar(u'S')));
    }

    void pressedAccessCharacter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");  // empty: none
        QTest::newRow("letter by key") << int(Qt::Key_Q) << ""
                                       << "Q";
        QTest::newRow("digit by key") << int(Qt::Key_7) << "7"
                                      << "7";
        QTest::newRow("punctuation by text") << int(Qt::Key_Exclam) << "!"
                                             << "!";
        QTest::newRow("blank is never one") << int(Qt::Key_Space) << " "
                                            << "";
        QTest::newRow("no text") << int(Qt::Key_F4) << ""
                                 << "";
    }
    void pressedAccessCharacter() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, character);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::AltModifier, text);
        const auto found = dividir::PressedAccessCharacter(event);
        QCOMPARE(found.has_value() ? QString(*found) : QString(), character);
    }

    void scaledBounds_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<int>("measured");
        QTest::addColumn<QRect>("scaled");
        QTest::newRow("Memo1 at 120 ppi") << QRect(16, 48, 273, 73) << 15 << QRect(20, 60, 341, 91);
        QTest::newRow("Button1 at 120 ppi")
            << QRect(160, 440, 129, 25) << 15 << QRect(200, 550, 161, 31);
        QTest::newRow("measured as stored")
            << QRect(16, 48, 273, 73) << 12 << QRect(16, 48, 273, 73);
        QTest::newRow("stand-in measuring 13")
            << QRect(16, 48, 273, 73) << 13 << QRect(17, 52, 296, 79);
        QTest::newRow("halves go up") << QRect(6, 18, 6, 6) << 13 << QRect(7, 20, 6, 6);
        QTest::newRow("smaller font") << QRect(16, 48, 273, 73) << 10 << QRect(13, 40, 228, 61);
    }
    void scaledBounds() {
        QFETCH(QRect, stored);
        QFETCH(int, measured);
        QFETCH(QRect, scaled);
        QCOMPARE(dividir::ScaledBounds(stored, measured, 12), scaled);
    }

    void scaledBoundsKeepTouchingControlsTouching() {
        const QRect upper(16, 48, 273, 73);
        const QRect lower(16, 121, 273, 10);
        for (int measured = 9; measured <= 40; ++measured) {
            QCOMPARE(dividir::ScaledBounds(upper, measured, 12).bottom() + 1,
                     dividir::ScaledBounds(lower, measured, 12).top());
        }
    }

    void scaledFontHeight_data() {
        QTest::addColumn<bool>("storedIsDefault");
        QTest::addColumn<int>("screenPpi");
        QTest::addColumn<int>("height");
        QTest::newRow("stored resolution") << false << 96 << -12;
        QTest::newRow("120 ppi") << false << 120 << -15;
        QTest::newRow("144 ppi") << false << 144 << -18;
        QTest::newRow("half away from zero") << false << 108 << -14;
        QTest::newRow("default font stays") << true << 120 << -12;
    }
    void scaledFontHeight() {
        QFETCH(bool, storedIsDefault);
        QFETCH(int, screenPpi);
        QFETCH(int, height);
        QCOMPARE(dividir::ScaledFontHeight(-12, storedIsDefault, 96, screenPpi), height);
    }

    void defaultFormFontHeight() {
        QCOMPARE(dividir::DefaultFormFontHeight(96), -12);
        QCOMPARE(dividir::DefaultFormFontHeight(120), -15);
        QCOMPARE(dividir::DefaultFormFontHeight(144), -18);
    }

    void changedLines_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("beginning");
        QTest::addColumn<int>("end");
        QTest::newRow("line added at the end")
            << QByteArray("A\t65\r\n") << QByteArray("A\t65\r\nB\t66\r\n") << 6 << 0;
        QTest::newRow("line removed at the end")
            << QByteArray("A\r\nB\r\n") << QByteArray("A\r\n") << 3 << 0;
        QTest::newRow("line added in between")
            << QByteArray("A\r\nC\r\n") << QByteArray("A\r\nB\r\nC\r\n") << 3 << 3;
        QTest::newRow("line added at the start")
            << QByteArray("B\r\n") << QByteArray("A\r\nB\r\n") << 0 << 3;
        QTest::newRow("change inside a line")
            << QByteArray("AB\r\nCD\r\nEF") << QByteArray("AB\r\nCX\r\nEF") << 4 << 2;
        QTest::newRow("no line break") << QByteArray("abc") << QByteArray("abd") << 0 << 0;
        QTest::newRow("everything differs") << QByteArray("a\r\n") << QByteArray("b\r\n") << 0 << 0;
        QTest::newRow("from empty") << QByteArray("") << QByteArray("a\r\n") << 0 << 0;
        QTest::newRow("to empty") << QByteArray("a\r\nb\r\n") << QByteArray("") << 0 << 0;
        // A CR LF pair is never split, even where only its CR is common.
        QTest::newRow("CR LF against lone CR")
            << QByteArray("A\r\nB") << QByteArray("A\rXB") << 0 << 0;
        QTest::newRow("lone LF becomes CR LF")
            << QByteArray("A\nB\nC") << QByteArray("A\r\nB\nC") << 0 << 3;
        // Equal double-byte lead bytes are no line boundary.
        QTest::newRow("same lead byte")
            << QByteArray("\x82\xa0\r\n\x82\xa0") << QByteArray("\x82\xa0\r\n\x82\xa2") << 4 << 0;
    }
    void changedLines() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, beginning);
        QFETCH(int, end);
        const auto lines = dividir::FindChangedLines(before.toStdString(), after.toStdString());
        QCOMPARE(int(lines.commonBeginning), beginning);
        QCOMPARE(int(lines.commonEnd), end);
    }

    void memoDocumentForm_data() {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QByteArray>("readBack");
        const QString separator(QChar::ParagraphSeparator);
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << "a" + separator + "b"
                               << QByteArray("a\r\nb");
        QTest::newRow("lone LF") << QByteArray("a\nb") << "a" + separator + "b"
                                 << QByteArray("a\r\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << "a" + separator + "b"
                                 << QByteArray("a\r\nb");
        QTest::newRow("CR before CR LF")
            << QByteArray("a\r\r\nb") << "a" + separator + separator + "b"
            << QByteArray("a\r\n\r\nb");
        QTest::newRow("trailing break")
            << QByteArray("\x82\xa0\r\n") << QStringLiteral("あ") + separator
            << QByteArray("\x82\xa0\r\n");
        QTest::newRow("TAB stays")
            << QByteArray("A\t65") << QStringLiteral("A\t65") << QByteArray("A\t65");
    }
    void memoDocumentForm() {
        QFETCH(QByteArray, system);
        QFETCH(QString, document);
        QFETCH(QByteArray, readBack);
        QCOMPARE(dividir::MemoDocumentText(system.toStdString()), document);
        QCOMPARE(QByteArray::fromStdString(dividir::SystemTextOfMemoDocument(document)), readBack);
    }

    void countLineBreaks_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("breaks");
        QTest::newRow("none") << QByteArray("abc") << 0;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << 2;
        QTest::newRow("lone LF") << QByteArray("a\nb") << 1;
        QTest::newRow("lone CR") << QByteArray("a\rb") << 1;
        QTest::newRow("CR then CR LF") << QByteArray("\r\r\n") << 2;
        QTest::newRow("LF then CR") << QByteArray("\n\r") << 2;
    }
    void countLineBreaks() {
        QFETCH(QByteArray, text);
        QFETCH(int, breaks);
        QCOMPARE(int(dividir::CountLineBreaks(text.toStdString())), breaks);
    }

    void readsDescriptionInStoredOrder() {
        const auto description = dividir::ReadWindowDescription(
            Description("<property name=\"windowTitle\"><string>T</string></property>"
                        "<widget class=\"TLabel\" name=\"Label1\"><property "
                        "name=\"text\"><string>&amp;S</string></property></widget>" +
                            kMemo1,
                        "<tabstop>Memo1</tabstop>"));
        QCOMPARE(description.className, QStringLiteral("TTestForm"));
        QCOMPARE(description.name, QStringLiteral("Test"));
        QCOMPARE(description.properties.size(), std::size_t(2));
        QCOMPARE(description.properties[0].value.toRect(), QRect(10, 20, 300, 200));
        QCOMPARE(description.properties[1].value.toString(), QStringLiteral("T"));
        QCOMPARE(description.controls.size(), std::size_t(2));
        QCOMPARE(description.controls[0].name, QStringLiteral("Label1"));
        QCOMPARE(description.controls[0].properties[0].value.toString(), QStringLiteral("&S"));
        QCOMPARE(description.controls[1].className, QStringLiteral("TMemo"));
        QCOMPARE(description.controls[1].properties[1].name, QStringLiteral("OnChange"));
        QCOMPARE(description.tabOrder, QStringList{QStringLiteral("Memo1")});
    }

    void rejectsWhatItCannotBuild_data() {
        QTest::addColumn<QByteArray>("designerFile");
        QTest::newRow("not XML") << QByteArray("<ui><widget");
        QTest::newRow("no ui") << QByteArray("<form/>");
        QTest::newRow("no window") << QByteArray("<ui version=\"4.0\"><class>X</class></ui>");
        QTest::newRow("window without name")
            << QByteArray("<ui><widget class=\"TForm\"></widget></ui>");
        QTest::newRow("layout") << Description("<layout class=\"QVBoxLayout\"/>");
        QTest::newRow("control in a control") << Description(
            "<widget class=\"TMemo\" name=\"M\"><widget class=\"TMemo\" name=\"N\"/></widget>");
        QTest::newRow("unknown kind of value")
            << Description("<property name=\"enabled\"><bool>true</bool></property>");
        QTest::newRow("malformed number")
            << Description("<property name=\"TextHeight\"><number>twelve</number></property>");
    }
    void rejectsWhatItCannotBuild() {
        QFETCH(QByteArray, designerFile);
        QVERIFY_THROWS_EXCEPTION(dividir::Exception, dividir::ReadWindowDescription(designerFile));
    }

    void buildsControlsAndBindsByName() {
        TTestForm form;
        form.BuildFrom(Description(kMemo1, "<tabstop>Memo1</tabstop>"));
        QVERIFY(form.Memo1 != nullptr);
        QCOMPARE(form.Memo1->objectName(), QStringLiteral("Memo1"));
        QCOMPARE(form.Memo1->geometry(), QRect(1, 2, 30, 40));
        QCOMPARE(form.changes, 0);  // building raises no event
        form.Memo1->SetText("x");
        QCOMPARE(form.changes, 1);
    }

    void buildErrorsNameWhatIsMissing_data() {
        QTest::addColumn<QByteArray>("designerFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown class")
            << Description("<widget class=\"TGrid\" name=\"Memo1\"/>") << "Class TGrid not found";
        QTest::newRow("unknown property")
            << Description(
                   "<widget class=\"TMemo\" name=\"Memo1\"><property "
                   "name=\"Lines\"><string>x</string></property></widget>")
            << "Property Memo1.Lines does not exist";
        QTest::newRow("unknown handler")
            << Description(
                   "<widget class=\"TMemo\" name=\"Memo1\"><property "
                   "name=\"OnChange\"><string>Memo9Change</string></property></widget>")
            << "Handler Memo9Change of Memo1.OnChange not found";
        QTest::newRow("field of another class")
            << Description("<widget class=\"TEdit\" name=\"Memo1\"/>")
            << "Field Memo1 is not a TEdit";
        QTest::newRow("field without control") << Description("") << "Field Memo1 has no control";
        QTest::newRow("tab stop without control")
            << Description(kMemo1, "<tabstop>Edit1</tabstop>") << "Control Edit1 not found";
    }
    void buildErrorsNameWhatIsMissing() {
        QFETCH(QByteArray, designerFile);
        QFETCH(QString, message);
        TTestForm form;
        try {
            form.BuildFrom(designerFile);
            QFAIL("built");
        } catch (const dividir::Exception& error) {
            QCOMPARE(QString::fromStdString(error.Message()), message);
        }
    }
};

DIVIDIR_GUI_TEST_MAIN(PlatformRulesTest)
#include "platform_rules_test.moc"
