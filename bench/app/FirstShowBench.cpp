// Time from building the main dialog to its first exposed frame, and the heap it holds while
// shown, against a plain Qt dialog with the same number of controls. Runs offscreen in a
// temporary home, so no settings or club file of the user are touched.
#include "app/AdvisorApp.h"
#include "club/ClubBook.h"
#include "platform/ui/CWinApp.h"
#include "res/Resources.h"
#include "ui/AdvisorDlg.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void PrepareApplicationState() {
    theApp.m_brLight.CreateSolidBrush(kLightColour);
    theApp.m_brDark.CreateSolidBrush(kDarkColour);
    LOGFONT lf = GetStockSystemFont();
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = -12;
    theApp.m_fntBold.CreateFontIndirect(&lf);
    BuildDefaultClubs(theApp.m_clubs);
}

void BM_MainDialogFirstShow(benchmark::State& state) {
    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        CAdvisorDlg dlg;
        dlg.Create();
        if (!QTest::qWaitForWindowExposed(dlg.GetSafeHwnd())) {
            state.SkipWithError("the dialog was never shown");
            return;
        }
        held = HeapInUse() - before;
        dlg.DestroyWindow();
    }
    state.counters["heap_while_shown_bytes"] = static_cast<double>(held);
}
BENCHMARK(BM_MainDialogFirstShow)->Unit(benchmark::kMillisecond);

void BM_BareQtDialogFirstShow(benchmark::State& state) {
    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        QDialog dialog;
        dialog.resize(268, 288);
        for (int i = 0; i < 12; ++i) {
            new QLabel(QStringLiteral("Label"), &dialog); // owned by the dialog
        }
        new QLineEdit(&dialog);
        new QSpinBox(&dialog);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            state.SkipWithError("the dialog was never shown");
            return;
        }
        held = HeapInUse() - before;
    }
    state.counters["heap_while_shown_bytes"] = static_cast<double>(held);
}
BENCHMARK(BM_BareQtDialogFirstShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    AfxInitToolkit();
    RegisterCaddoraResources();
    PrepareApplicationState();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theApp.m_clubs.DeleteAll();
    return 0;
}
