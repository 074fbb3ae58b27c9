// Packs about 50 MB of mixed content (the staged product, the sample corpus when present,
// generated text-like and binary-like files), unpacks it through the package reader, and
// sets the unpack throughput beside that of the bzip2 command on the same compressed
// data in the same run. The unpack runs in a child process so its peak memory can be
// compared with the largest entry.
//
//   package_bench              run everything
//   package_bench --unpack P D (child) unpack package P into folder D, print the figures
#include "installer/package/BzipStream.h"
#include "installer/package/PackageFormat.h"
#include "installer/package/PackageReader.h"
#include "platform/TextFile.h"
#include "tools/pack/PackageBuilder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <sys/resource.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace package;

namespace {

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor seconds (user and system) of this process or of its finished children. The
// machine is shared, so these figures are steadier than the clock's.
double CpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Clock and processor time of one timed piece of work.
struct Timing {
    double Wall = 1e9;
    double Cpu = 1e9;
    void KeepBest(double wall, double cpu) {
        Wall = std::min(Wall, wall);
        Cpu = std::min(Cpu, cpu);
    }
};

// A value of /proc/self/status in kB ("VmHWM", "VmRSS").
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return 0;
}

// Lines like a molecule file: words, ids and coordinates.
std::string TextLike(size_t size, std::mt19937& random) {
    static const char* words[] = {
        "atom", "wire", "carbon", "oxygen", "hydrogen", "nitrogen", "<atom",
        "id=",  "x=",   "y=",     "z=",     "/>",       "title",    "ring"};
    std::uniform_int_distribution<int> word(0, 13), number(-99999, 99999);
    std::string out;
    while (out.size() < size) {
        for (int i = 0; i < 6; ++i)
            out += std::string(words[word(random)]) + " " + std::to_string(number(random)) + " ";
        out += "\r\n";
    }
    out.resize(size);
    return out;
}

// Bytes like a program or a picture: runs, small numbers and random stretches.
std::string BinaryLike(size_t size, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 3), length(1, 64);
    std::string out;
    while (out.size() < size) {
        const int n = length(random);
        switch (kind(random)) {
        case 0:
            out.append(n, char(byte(random)));
            break;
        case 1:
            for (int i = 0; i < n; ++i)
                out += char(byte(random) & 0x0F);
            break;
        default:
            for (int i = 0; i < n; ++i)
                out += char(byte(random));
        }
    }
    out.resize(size);
    return out;
}

void AddFolder(const fs::path& folder, const std::string& prefix,
               std::vector<pack::PackEntry>& entries) {
    std::string error;
    std::vector<pack::PackEntry> found;
    if (fs::is_directory(folder) && pack::CollectFolder(folder.string(), {}, found, error))
        for (pack::PackEntry& e : found)
            if (e.Name.rfind("install", 0) != 0) // not the installer itself
                entries.push_back({prefix + e.Name, std::move(e.Bytes), false});
}

int Unpack(const std::string& packagePath, const std::string& folder) {
    if (!Reader().PackageStream.Open(packagePath) || !OpenPackage()) {
        std::cerr << "cannot open " << packagePath << "\n";
        return 1;
    }
    const long baseKb = StatusKb("VmRSS");
    uint64_t bytes = 0;
    const auto start = Clock::now();
    const double cpuStart = CpuSeconds(RUSAGE_SELF);
    size_t n = 0;
    for (const std::string& line : Reader().PackageIndex) {
        FileTarget target{folder + "/" + std::to_string(n++)};
        if (!LoadPackageEntry(line.substr(0, line.find('=')), target))
            return 1;
        bytes += fs::file_size(target.Path);
    }
    const double toFiles = Seconds(start);
    const double toFilesCpu = CpuSeconds(RUSAGE_SELF) - cpuStart;
    // The same entries decoded in memory only.
    const auto memoryStart = Clock::now();
    const double memoryCpuStart = CpuSeconds(RUSAGE_SELF);
    for (const std::string& line : Reader().PackageIndex) {
        std::string decoded;
        ChunkBytes(ReadChunk(IndexOffset(line.substr(line.find('=') + 1))), decoded);
    }
    const double inMemory = Seconds(memoryStart);
    const double inMemoryCpu = CpuSeconds(RUSAGE_SELF) - memoryCpuStart;
    std::cout << bytes << " " << toFiles << " " << toFilesCpu << " " << inMemory << " "
              << inMemoryCpu << " " << baseKb << " " << StatusKb("VmHWM") << "\n";
    return 0;
}

// The machine is shared, so each figure is the best of several rounds, ours and the
// command's taking turns.
constexpr int Rounds = 5;

bool TimeCommand(const std::string& command, Timing& timing) {
    const auto start = Clock::now();
    const double cpuStart = CpuSeconds(RUSAGE_CHILDREN);
    if (std::system(command.c_str()) != 0)
        return false;
    timing.KeepBest(Seconds(start), CpuSeconds(RUSAGE_CHILDREN) - cpuStart);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--unpack")
        return Unpack(argv[2], argv[3]);

    QTemporaryDir work;
    const std::string dir = work.path().toStdString();
    std::vector<pack::PackEntry> entries;
    AddFolder(TEVANO_STAGE_DIR, "", entries);
    const fs::path corpus = fs::path(TEVANO_SOURCE_DIR) / ".." / "shared" / "corpus";
    if (fs::is_directory(corpus))
        AddFolder(corpus, "corpus\\", entries);
    else
        std::cout << "(no sample corpus at " << corpus.string() << ")\n";
    std::mt19937 random(20261211);
    uint64_t total = 0;
    for (const auto& e : entries)
        total += e.Bytes.size();
    for (int i = 0; total < 50'000'000; ++i) {
        // Mostly small files, a few large ones; the largest is 8 MB.
        const size_t size = i == 0 ? 8'000'000 : (i % 10 == 0 ? 2'000'000 : 200'000);
        std::string bytes = i % 2 ? BinaryLike(size, random) : TextLike(size, random);
        total += bytes.size();
        entries.push_back({"generated\\" + std::to_string(i) + (i % 2 ? ".bin" : ".txt"),
                           std::move(bytes), false});
    }
    size_t largest = 0;
    for (const auto& e : entries)
        largest = std::max(largest, e.Bytes.size());

    auto start = Clock::now();
    const std::string installer = pack::BuildPackage("bench stub", entries);
    const double packTime = Seconds(start);
    const std::string packagePath = dir + "/install";
    platform::WriteFileBytes(packagePath, installer);

    // The same compressed data for the bzip2 command: the PACK payloads, one stream each,
    // one after another (the command decodes concatenated streams).
    std::string streams;
    Reader().PackageStream.Open(packagePath);
    OpenPackage();
    for (const std::string& line : Reader().PackageIndex)
        streams += ReadChunk(IndexOffset(line.substr(line.find('=') + 1))).Payload;
    const size_t entryCount = Reader().PackageIndex.size();
    ResetReader();
    platform::WriteFileBytes(dir + "/all.bz2", streams);
    entries.clear();

    std::cout << "content: " << total / 1e6 << " MB in " << entryCount << " entries; package "
              << installer.size() / 1e6 << " MB; largest entry " << largest / 1e6 << " MB\n";
    std::cout << "pack: " << packTime << " s (" << total / 1e6 / packTime << " MB/s)\n";

    Timing own, memory, command;
    long baseKb = 0, peakKb = 0;
    for (int run = 0; run < Rounds; ++run) {
        const std::string out = dir + "/out" + std::to_string(run);
        fs::create_directories(out);
        const std::string unpack = "\"" + QCoreApplication::applicationFilePath().toStdString() +
                                   "\" --unpack \"" + packagePath + "\" \"" + out + "\"";
        FILE* child = ::popen(unpack.c_str(), "r");
        char buf[256] = {};
        const bool ok = child && std::fgets(buf, sizeof buf, child);
        if (!child || ::pclose(child) != 0 || !ok) {
            std::cerr << "unpack failed\n";
            return 1;
        }
        uint64_t bytes = 0;
        double toFiles = 0, toFilesCpu = 0, inMemory = 0, inMemoryCpu = 0;
        long base = 0, peak = 0;
        std::istringstream(buf) >> bytes >> toFiles >> toFilesCpu >> inMemory >> inMemoryCpu >>
            base >> peak;
        own.KeepBest(toFiles, toFilesCpu);
        memory.KeepBest(inMemory, inMemoryCpu);
        baseKb = base;
        peakKb = std::max(peakKb, peak);
        fs::remove_all(out);

        if (!TimeCommand("bzip2 -dc \"" + dir + "/all.bz2\" > \"" + dir + "/all.out\"", command)) {
            std::cerr << "the bzip2 command failed\n";
            return 1;
        }
        fs::remove(dir + "/all.out");
    }
    const double mb = total / 1e6;
    const auto show = [&](const char* what, const Timing& t) {
        std::cout << what << mb / t.Wall << " MB/s by the clock, " << mb / t.Cpu
                  << " MB/s of processor time\n";
    };
    std::cout << "best of " << Rounds << " rounds, ours and the command's taking turns:\n";
    show("  unpack to files:  ", own);
    show("  unpack in memory: ", memory);
    show("  bzip2 -d command: ", command);
    std::cout << "unpack to files / bzip2 -d: " << command.Wall / own.Wall << " by the clock, "
              << command.Cpu / own.Cpu << " of processor time (target >= 0.9)\n";
    const double extraMb = (peakKb - baseKb) / 1024.0;
    std::cout << "unpack memory: peak " << peakKb / 1024.0 << " MB, " << extraMb << " MB above the "
              << baseKb / 1024.0
              << " MB before unpacking = " << extraMb * 1e6 / 1048576 / (largest / 1e6)
              << " x the largest entry (target <= 3)\n";
    return 0;
}
