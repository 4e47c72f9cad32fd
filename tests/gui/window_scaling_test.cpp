// The main window's layout on a screen of 96 and of 120 pixels per inch
// (the suite runs once on each): the font and every control follow the
// resolution, the window keeps its outer size, and scroll bars show where
// the controls no longer fit.
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <map>

#include "ZazoZovEzuv.h"
#include "gui_test_main.h"

namespace {

struct ExpectedLayout {
    int fontPixelSize;
    int textHeight;
    std::map<QString, QRect> controls;  // memos, fields, button
    std::map<QString, QPoint> labels;   // labels take their caption's size
    bool scrollBars;
};

// The stored layout at 96, and at 120 scaled by 15/12 with MulDiv rounding.
const std::map<int, ExpectedLayout> kLayouts = {
    {96,
     {12,
      12,
      {{"Memo1", {16, 48, 273, 73}},
       {"Memo2", {16, 144, 273, 185}},
       {"Edit1", {72, 376, 153, 20}},
       {"Edit2", {72, 400, 49, 20}},
       {"Button1", {160, 440, 129, 25}}},
      {{"Label1", {16, 32}},
       {"Label2", {16, 128}},
       {"Label3", {16, 352}},
       {"Label4", {16, 376}},
       {"Label5", {16, 400}},
       {"Label6", {16, 8}}},
      false}},
    {120,
     {15,
      15,
      {{"Memo1", {20, 60, 341, 91}},
       {"Memo2", {20, 180, 341, 231}},
       {"Edit1", {90, 470, 191, 23}},
       {"Edit2", {90, 500, 61, 23}},
       {"Button1", {200, 550, 161, 31}}},
      {{"Label1", {20, 40}},
       {"Label2", {20, 160}},
       {"Label3", {20, 440}},
       {"Label4", {20, 470}},
       {"Label5", {20, 500}},
       {"Label6", {20, 10}}},
      true}},
};

}  // namespace

class WindowScalingTest : public QObject {
    Q_OBJECT

  private:
    const ExpectedLayout& Expected() {
        const int ppi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
        const auto found = kLayouts.find(ppi);
        if (found == kLayouts.end()) qFatal("no expected layout at %d pixels per inch", ppi);
        return found->second;
    }

  private slots:
    void fontFollowsTheResolution() {
        TDiviDir window;
        QCOMPARE(window.font().pixelSize(), Expected().fontPixelSize);
        QCOMPARE(QFontMetrics(window.font()).height(), Expected().textHeight);
        QCOMPARE(window.Memo1->font(), window.font());  // every control takes the window's font
        QCOMPARE(window.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    }

    void controlsStandAsScaled() {
        TDiviDir window;
        for (const auto& [name, bounds] : Expected().controls) {
            QCOMPARE(window.findChild<QWidget*>(name)->geometry(), bounds);
        }
        for (const auto& [name, position] : Expected().labels) {
            const QWidget* label = window.findChild<QWidget*>(name);
            QCOMPARE(label->pos(), position);
            QCOMPARE(label->height(), Expected().textHeight);
        }
    }

    void windowKeepsItsOuterSize() {
        TDiviDir window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry(), QRect(192, 108, 317, 507));
        QCOMPARE(window.devicePixelRatio(), 1.0);
        const auto* scroller = window.findChild<QScrollArea*>();
        QCOMPARE(scroller->horizontalScrollBar()->isVisible(), Expected().scrollBars);
        QCOMPARE(scroller->verticalScrollBar()->isVisible(), Expected().scrollBars);
    }

    // The extent of the controls is 289 × 465 at 96 pixels per inch.
    void scrollBarsShowWhereTheControlsNoLongerFit() {
        if (Expected().scrollBars) QSKIP("the scroll bars show at this resolution anyway");
        TDiviDir window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto* scroller = window.findChild<QScrollArea*>();
        const auto barsShown = [&] {
            return std::pair(scroller->horizontalScrollBar()->isVisible(),
                             scroller->verticalScrollBar()->isVisible());
        };
        window.resize(288, 600);
        QTRY_COMPARE(barsShown(), std::pair(true, false));
        window.resize(400, 464);
        QTRY_COMPARE(barsShown(), std::pair(false, true));
        window.resize(289, 465);
        QTRY_COMPARE(barsShown(), std::pair(false, false));
    }

    void keysNeverScrollTheWindow() {
        TDiviDir window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(300, 200);
        window.Edit1->setFocus();
        const auto* scroller = window.findChild<QScrollArea*>();
        QTRY_VERIFY(scroller->verticalScrollBar()->isVisible());
        const int scrolled = scroller->verticalScrollBar()->value();
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End}) {
            QTest::keyClick(window.Edit1, key);
            QCOMPARE(scroller->verticalScrollBar()->value(), scrolled);
        }
    }

    void focusedControlIsScrolledIntoView() {
        TDiviDir window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(300, 200);
        window.Button1->setFocus();
        const QRect visible(QPoint(0, 0), window.findChild<QScrollArea*>()->viewport()->size());
        const QRect button(
            window.Button1->mapTo(window.findChild<QScrollArea*>()->viewport(), QPoint(0, 0)),
            window.Button1->size());
        QTRY_VERIFY(visible.contains(button));
    }
};

DIVIDIR_GUI_TEST_MAIN(WindowScalingTest)
#include "window_scaling_test.moc"
