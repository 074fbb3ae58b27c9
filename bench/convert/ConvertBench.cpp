// Times the importers the way --convert runs them (open the file into one model, save it
// as .chem beside it) on the largest PDB entry of the corpus and on the whole molfile
// collection, and checks that every molfile of the collection gives as many atoms and
// wires as its counts line announces. When the staged editor is built, one run of
// `TevanoChem --convert` over the whole collection is timed too.
//
// Usage: bench_convert [corpus folder]. Without a corpus it says so and exits with 0.
#include "editor/core/Molekula.h"
#include "editor/files/Document.h"
#include "editor/files/MolConverter.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of this process (or of its finished children), in milliseconds. On a
// machine shared with other work it tells the cost apart from the waiting; the wall time
// also holds the waits for the disk that every atomic save makes.
double CpuMilliseconds(int who = RUSAGE_SELF) {
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
    double Wall, Cpu;
};

void PrintRuns(std::vector<Timing> runs) {
    std::sort(runs.begin(), runs.end(), [](auto& a, auto& b) { return a.Wall < b.Wall; });
    const Timing& median = runs[runs.size() / 2];
    std::printf("  wall %.1f ms median, %.1f ms best of %zu; processor %.1f ms median\n",
                median.Wall, runs.front().Wall, runs.size(), median.Cpu);
}

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Copies the corpus files into the temporary folder under their own names (the
// collection's category folders flattened with a prefix); returns the copies.
QStringList CopyFiles(const QStringList& sources, const QString& sourceRoot, const QString& to) {
    QStringList copies;
    for (const QString& source : sources) {
        QString name = QDir(sourceRoot).relativeFilePath(source);
        name.replace('/', "__");
        const QString copy = to + "/" + name;
        QFile::copy(source, copy);
        copies << copy;
    }
    return copies;
}

bool OpenAndSave(TMolekula& m, TDocument& doc, const std::string& path) {
    TFileError error;
    if (OpenFile(m, doc, path, &error) && SaveFile(m, doc, path, &error))
        return true;
    std::fprintf(stderr, "  %s\n", error.Describe().c_str());
    return false;
}

void BenchLargePdb(const QString& corpus, const QString& temp) {
    const QString source = corpus + "/pdb/2btv_large.pdb";
    if (!QFile::exists(source)) {
        std::printf("large PDB file: %s not found, skipped\n", Local(source).c_str());
        return;
    }
    const std::string path = Local(CopyFiles({source}, corpus + "/pdb", temp).front());
    std::vector<Timing> runs;
    TMolekula m;
    for (int i = 0; i < 7; ++i) {
        TDocument doc;
        const auto start = Clock::now();
        const double cpu = CpuMilliseconds();
        if (!OpenAndSave(m, doc, path))
            return;
        runs.push_back({MillisecondsSince(start), CpuMilliseconds() - cpu});
    }
    std::printf("large PDB file (2btv, %d atoms, %zu wires), open + save (target < 100 ms):\n",
                m.AtomCount(), m.Wires.size());
    PrintRuns(runs);
}

// The atom and bond counts of a molfile's counts line.
bool AnnouncedCounts(const std::string& path, int32_t& atoms, int32_t& bonds) {
    platform::Lines lines;
    return platform::ReadFileLines(path, lines) && lines.size() > 3 &&
           platform::ParseInt(lines[3].substr(0, 3), atoms) &&
           platform::ParseInt(lines[3].substr(3, 3), bonds);
}

void CheckCollection(const QStringList& copies) {
    int mismatches = 0;
    TMolekula m;
    for (const QString& copy : copies) {
        const std::string path = Local(copy);
        int32_t atoms = 0, bonds = 0;
        TDocument doc;
        if (!AnnouncedCounts(path, atoms, bonds) || !OpenAndSave(m, doc, path)) {
            ++mismatches;
            continue;
        }
        // The saved file must give the same counts again.
        TMolekula reopened;
        TDocument again;
        if (m.AtomCount() != atoms || int32_t(m.Wires.size()) != bonds ||
            !OpenFile(reopened, again, doc.FileName) || reopened.AtomCount() != atoms ||
            int32_t(reopened.Wires.size()) != bonds) {
            std::fprintf(stderr, "  %s: announced %d atoms %d bonds, got %d atoms %zu wires\n",
                         path.c_str(), atoms, bonds, m.AtomCount(), m.Wires.size());
            ++mismatches;
        }
    }
    std::printf("collection check: %lld molfiles, %d with fewer or more atoms or wires than "
                "announced (or not reopening alike)\n",
                static_cast<long long>(copies.size()), mismatches);
}

void BenchCollection(const QStringList& copies) {
    std::vector<Timing> runs;
    for (int i = 0; i < 5; ++i) {
        TMolekula m; // one model for the run, as --convert has
        const auto start = Clock::now();
        const double cpu = CpuMilliseconds();
        for (const QString& copy : copies) {
            TDocument doc;
            if (!OpenAndSave(m, doc, Local(copy)))
                return;
        }
        runs.push_back({MillisecondsSince(start), CpuMilliseconds() - cpu});
    }
    std::printf("molfile collection (%lld files), open + save (target < 300 ms):\n",
                static_cast<long long>(copies.size()));
    PrintRuns(runs);
}

void BenchProgram(const QStringList& copies) {
    const QString program = TEVANO_STAGE_DIR "/TevanoChem";
    if (!QFile::exists(program)) {
        std::printf("TevanoChem --convert: %s not built, skipped\n", Local(program).c_str());
        return;
    }
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    const auto start = Clock::now();
    process.start(program, QStringList{"--convert"} + copies);
    process.waitForFinished(-1);
    const double ms = MillisecondsSince(start);
    std::printf("TevanoChem --convert over the %lld molfiles in one run: wall %.1f ms, "
                "processor %.1f ms, exit code %d\n",
                static_cast<long long>(copies.size()), ms, CpuMilliseconds(RUSAGE_CHILDREN),
                process.exitCode());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString corpus =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(TEVANO_SOURCE_DIR "/../shared/corpus");
    if (!QDir(corpus).exists()) {
        std::printf("corpus %s not found: nothing to measure\n", Local(corpus).c_str());
        return 0;
    }
    QTemporaryDir temp;
    BenchLargePdb(corpus, temp.path());

    const QString collection = corpus + "/mol/collection";
    QStringList sources;
    for (QDirIterator it(collection, {"*.mol"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        sources << it.next();
    if (sources.isEmpty()) {
        std::printf("molfile collection: %s not found, skipped\n", Local(collection).c_str());
        return 0;
    }
    sources.sort();
    QDir(temp.path()).mkdir("collection");
    const QStringList copies = CopyFiles(sources, collection, temp.path() + "/collection");
    CheckCollection(copies);
    BenchCollection(copies);
    BenchProgram(copies);
    return 0;
}
