// One keystroke in a Memo1 that holds a long Japanese text: the handler
// builds the whole code listing again and sets Memo2's text, which changes
// only the lines that differ. Beside it, the plain replacement of Memo2's
// whole document that setting the text would otherwise cost.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <utility>

#include "ZazoZovEzuv.h"
#include "conversion/code_listing.h"
#include "conversion/encoding_bridge.h"
#include "platform/qt_system_text.h"
#include "platform/toolkit_dpi_scaling.h"

namespace {

using dividir::SystemText;

// Japanese prose: kana and kanji, a line break after every 40 characters
// unless it is all one line.
SystemText JapaneseText(int characters, bool oneLine = false) {
    const std::u16string sample =
        u"日本語化用のテキストを入力すると、各文字のコードが表示されます。漢字かなカナ";
    std::u16string text;
    text.reserve(static_cast<std::size_t>(characters) * 21 / 20);
    for (int i = 0; i < characters; ++i) {
        text += sample[static_cast<std::size_t>(i) % sample.size()];
        if (!oneLine && i % 40 == 39) text += u"\r\n";
    }
    return dividir::Utf16ToSystem(text);
}

// One shown window for all benchmarks; it must go before the application.
std::unique_ptr<TDiviDir> sharedWindow;

TDiviDir& Window() {
    if (!sharedWindow) {
        sharedWindow = std::make_unique<TDiviDir>();
        sharedWindow->show();
        QApplication::processEvents();
    }
    return *sharedWindow;
}

enum Where { kAtTheEnd, kInTheMiddle, kAtTheEndOfOneLine };

// Fills Memo1 with the benchmark's text and returns the caret the
// keystrokes go to.
QTextCursor FillMemo1(TDiviDir& window, const benchmark::State& state) {
    const auto where = static_cast<Where>(state.range(1));
    window.Memo1->SetText(
        JapaneseText(static_cast<int>(state.range(0)), where == kAtTheEndOfOneLine));
    QTextCursor cursor(window.Memo1->document());
    if (where == kInTheMiddle) {
        cursor.setPosition(window.Memo1->document()->characterCount() / 2);
    } else {
        cursor.movePosition(QTextCursor::End);
    }
    return cursor;
}

// A keystroke, typed or deleted in turn, so that the text keeps its length;
// "where" is 0 at the end, 1 in the middle, 2 at the end of a text that is
// all one line (Qt then lays the whole line out again in Memo1 itself).
void BM_KeystrokeInMemo1(benchmark::State& state) {
    TDiviDir& window = Window();
    QTextCursor cursor = FillMemo1(window, state);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            cursor.deletePreviousChar();
        } else {
            cursor.insertText(QStringLiteral("字"));
        }
        typed = !typed;
    }
    // Each keystroke ran the handler: Memo2 shows the listing of the text
    // after one more.
    cursor.insertText(QStringLiteral("字"));
    if (window.Memo2->Text() != dividir::FormatCodeListing(window.Memo1->Text())) {
        state.SkipWithError("Memo2 does not show the listing of Memo1");
    }
}

// The handler alone, after a keystroke that Memo1 has already taken in.
void BM_Memo1Change(benchmark::State& state) {
    TDiviDir& window = Window();
    QTextCursor cursor = FillMemo1(window, state);
    const TNotifyEvent handler = std::exchange(window.Memo1->OnChange, TNotifyEvent());
    bool typed = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (typed) {
            cursor.deletePreviousChar();
        } else {
            cursor.insertText(QStringLiteral("字"));
        }
        typed = !typed;
        state.ResumeTiming();
        window.Memo1Change(window.Memo1);
    }
    window.Memo1->OnChange = handler;
}

// Memo2's text set to the listing after a keystroke and back, as the handler
// sets it: only the changed line is replaced.
void BM_Memo2SetText(benchmark::State& state) {
    TDiviDir& window = Window();
    const SystemText text = JapaneseText(static_cast<int>(state.range(0)));
    const SystemText listings[2] = {dividir::FormatCodeListing(text),
                                    dividir::FormatCodeListing(text + "\x8e\x9a")};
    window.Memo2->SetText(listings[0]);
    int next = 1;
    for (auto _ : state) {
        state.PauseTiming();
        SystemText listing = listings[next];  // the handler hands over a fresh listing
        state.ResumeTiming();
        window.Memo2->SetText(std::move(listing));
        next = 1 - next;
    }
}

// The same two listings, each replacing Memo2's whole document.
void BM_Memo2FullReplacement(benchmark::State& state) {
    TDiviDir& window = Window();
    const SystemText text = JapaneseText(static_cast<int>(state.range(0)));
    const QString listings[2] = {dividir::ToQString(dividir::FormatCodeListing(text)),
                                 dividir::ToQString(dividir::FormatCodeListing(text + "\x8e\x9a"))};
    int next = 1;
    for (auto _ : state) {
        window.Memo2->setPlainText(listings[next]);
        next = 1 - next;
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_KeystrokeInMemo1)
    ->ArgNames({"characters", "where"})
    ->ArgsProduct({{100'000, 1'000'000}, {kAtTheEnd, kInTheMiddle, kAtTheEndOfOneLine}})
    ->Apply(Sizes);
BENCHMARK(BM_Memo1Change)
    ->ArgNames({"characters", "where"})
    ->ArgsProduct({{100'000, 1'000'000}, {kAtTheEnd, kInTheMiddle, kAtTheEndOfOneLine}})
    ->Apply(Sizes);
BENCHMARK(BM_Memo2SetText)->ArgName("characters")->Arg(100'000)->Arg(1'000'000)->Apply(Sizes);
BENCHMARK(BM_Memo2FullReplacement)
    ->ArgName("characters")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Apply(Sizes);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dividir::DisableToolkitDpiScaling();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow.reset();
    return 0;
}
