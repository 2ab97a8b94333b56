// Entry of the benchmark programs that need widgets: a QApplication on the offscreen platform
// unless the caller chose another, with the window fonts of the design mapped.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
