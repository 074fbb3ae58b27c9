// Draws the main view (800 x 600, with legend and title) of a few corpus proteins over
// many frames with changing angles, as the auto-rotation does every 73 ms, and prints
// the time per frame and the memory allocations per frame.
//
// Every allocation goes through malloc (operator new included), so the program puts a
// counting malloc in front of the C library's for the whole process.
#include "editor/core/Molekula.h"
#include "editor/files/Document.h"

#include "platform/Paths.h"

#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
}

namespace {
std::atomic<long long> Allocations{0};
}

extern "C" void* malloc(size_t size) {
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size) {
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* p, size_t size) {
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr int Frames = 200;

// Processor time of this thread: on a busy machine the wall clock also counts the time
// other programs ran.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Bench(const std::string& name) {
    const std::string path = std::string(TEVANO_SOURCE_DIR "/../shared/corpus") + "/pdb/" + name;
    if (!platform::FileExists(path)) {
        std::printf("%-16s skipped: %s is not there\n", name.c_str(), path.c_str());
        return;
    }
    TMolekula molecule;
    molecule.ClearAtoms();
    molecule.ClearWires();
    TDocument document;
    TFileError error;
    if (!OpenFile(molecule, document, path, &error)) {
        std::printf("%-16s skipped: %s\n", name.c_str(), error.Describe().c_str());
        return;
    }
    molecule.SetViewSize(Width, Height);
    molecule.FitToView();
    molecule.DrawView(); // the first frame sizes the scratch lists

    using Clock = std::chrono::steady_clock;
    double total = 0, worst = 0;
    const double cpuBefore = ThreadCpuMs();
    const long long allocationsBefore = Allocations.load();
    for (int frame = 0; frame < Frames; ++frame) {
        molecule.SetAngleX(frame * 3.0);
        molecule.SetAngleY(frame * 5.0);
        molecule.SetAngleZ(frame * 1.0);
        const auto start = Clock::now();
        molecule.DrawView();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
    }
    const double cpu = (ThreadCpuMs() - cpuBefore) / Frames;
    const double allocations = double(Allocations.load() - allocationsBefore) / Frames;
    std::printf("%-16s %6d atoms %6zu wires  %7.2f ms/frame cpu, %7.2f wall (worst %6.2f)  "
                "%6.1f allocations/frame\n",
                name.c_str(), molecule.AtomCount(), molecule.Wires.size(), cpu, total / Frames,
                worst, allocations);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::printf("main view %dx%d, mode 1, %d frames each, angles changing every frame\n", Width,
                Height, Frames);
    for (const char* name : {"1crn.pdb", "4hhb.pdb", "2btv_large.pdb"})
        Bench(name);
    return 0;
}
