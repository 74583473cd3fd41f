// Reading the cases of ruvo-make-case, larger than the bundled samples:
// the directory of the 1025 x 1025 case is named by RUVO_BENCH_CASE_1025,
// that of the 4097 x 4097 case by RUVO_BENCH_CASE_4097 (scripts/bench
// writes them when missing).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <memory>

#include "Workspace.h"
#include "data/ResultReader.h"
#include "view/ViewOpening.h"

namespace {

using namespace ruvo;

QString case_file(int size, const char* name) {
    const QByteArray dir = qgetenv(size == 1025 ? "RUVO_BENCH_CASE_1025" : "RUVO_BENCH_CASE_4097");
    return dir.isEmpty() ? QString() : QDir(QString::fromLocal8Bit(dir)).filePath(name);
}

// The process's resident memory in MB, from the kernel's count of pages.
double resident_mb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024 * 1024) : 0.0;
}

// One scalar file, read on as many cores as the machine lends; wall time.
void BM_ReadLargeScalar(benchmark::State& state) {
    const QString path = case_file(int(state.range(0)), "LARGE.P");
    if (path.isEmpty()) return state.SkipWithError("no case: set RUVO_BENCH_CASE_1025 / RUVO_BENCH_CASE_4097");
    ScalarSlot slot;
    for (auto _ : state) {
        const ReadResult read = read_scalar(slot, path);
        if (!read.complete()) state.SkipWithError("the scalar file does not read whole");
    }
}
BENCHMARK(BM_ReadLargeScalar)->Arg(1025)->Arg(4097)->UseRealTime()->Unit(benchmark::kMillisecond);

// The project with a view on each of its files: the grid, 2 vector and 4
// scalar files. The counter is the memory the tables and views take.
void BM_OpenLargeProject(benchmark::State& state) {
    const QString project = case_file(int(state.range(0)), "LARGE.RVP");
    if (project.isEmpty()) return state.SkipWithError("no case: set RUVO_BENCH_CASE_1025 / RUVO_BENCH_CASE_4097");
    double grown = 0.0;
    for (auto _ : state) {
        const double before = resident_mb();
        auto ws = std::make_unique<Workspace>();
        bool whole = load_project(*ws, project).grid.complete();
        for (int k = 0; k < 2; ++k) whole = whole && open_view(*ws, FileKind::Vector, k).read.complete();
        for (int k = 0; k < 4; ++k) whole = whole && open_view(*ws, FileKind::Scalar, k).read.complete();
        if (!whole) state.SkipWithError("a file of the project does not read whole");
        grown = resident_mb() - before;
    }
    state.counters["MB"] = grown;
}
BENCHMARK(BM_OpenLargeProject)->Arg(1025)->Arg(4097)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
