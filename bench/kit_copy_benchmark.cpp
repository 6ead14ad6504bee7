// Speed and memory of the kit copy against std::filesystem::copy_file.
//
// Copies a 1 MiB and a 64 MiB file with CopyKitFile and with copy_file in
// the same run, then prints the time ratio kit/copy_file for each size and
// the peak resident memory of one kit copy of each size, which must not
// grow with the file. It also times the small configuration file writer,
// whose cost is almost all creating, flushing and renaming its file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/kit_writers.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMiB = 1024 * 1024;
const std::vector<std::size_t> kSizes = {1 * kMiB, 64 * kMiB};

fs::path g_directory;

fs::path SourceOf(std::size_t size) { return g_directory / ("source-" + std::to_string(size)); }

// Writes the source in small pieces, so that making it raises no peak.
void MakeSource(std::size_t size) {
  std::ofstream out(SourceOf(size), std::ios::binary | std::ios::trunc);
  std::string piece(64 * 1024, '\0');
  for (std::size_t done = 0; done < size; done += piece.size()) {
    for (std::size_t i = 0; i < piece.size(); ++i) piece[i] = static_cast<char>((done + i) * 131 + (done + i) / 4093);
    out.write(piece.data(), static_cast<std::streamsize>(std::min(piece.size(), size - done)));
  }
  if (!out.flush()) throw std::runtime_error("cannot write the benchmark source");
}

void BM_CopyKitFile(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const std::string source = SourceOf(size).string();
  const std::string target = (g_directory / ("kit-" + std::to_string(size))).string();
  for (auto _ : state)
    if (!kit::CopyKitFile(source, target)) state.SkipWithError("CopyKitFile failed");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
}

void BM_CopyFile(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const fs::path source = SourceOf(size);
  const fs::path target = g_directory / ("copy-" + std::to_string(size));
  for (auto _ : state)
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing)) state.SkipWithError("copy_file failed");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
}

void BM_WriteKitConfig(benchmark::State& state) {
  const std::string target = (g_directory / "P - Update.cfg").string();
  // Encoded once, as the procedure encodes the entries before it writes.
  const kit::AnsiText address = *kit::EncodeToAnsi("https://www.example.com/monprog.maj");
  const kit::AnsiText name = *kit::EncodeToAnsi("P");
  for (auto _ : state)
    if (!kit::WriteKitConfig(target, address, name))
      state.SkipWithError("WriteKitConfig failed");
}

// Keeps the median time of each benchmark while the console shows them all.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

// Peak resident set size of the process, in KiB (VmHWM).
long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Sets the peak back to the current resident size (Linux 4.0 and later).
bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

void ReportPeakMemory() {
  std::printf("\nPeak resident memory during one CopyKitFile (VmHWM, reset before each copy):\n");
  for (std::size_t size : kSizes) {
    const bool reset = ResetPeak();
    const long before = PeakResidentKiB();
    if (!kit::CopyKitFile(SourceOf(size).string(), (g_directory / "peak").string()))
      throw std::runtime_error("CopyKitFile failed");
    const long after = PeakResidentKiB();
    std::printf("  %3zu MiB: peak before %ld KiB, after %ld KiB, growth %ld KiB%s\n", size / kMiB, before, after,
                after - before, reset ? "" : " (peak could not be reset: process-wide maximum)");
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("  whole run, all copies of both sizes (ru_maxrss): %ld KiB\n", usage.ru_maxrss);
  std::printf("  the copy holds one %zu-byte block and two %zu-byte stream buffers\n", kit::kCopyBlockSize,
              kit::kStreamBufferSize);
}

}  // namespace

int main(int argc, char** argv) {
  g_directory = fs::temp_directory_path() / ("zvc-kit-copy-benchmark-" + std::to_string(::getpid()));
  fs::create_directories(g_directory);
  int status = 0;
  try {
    for (std::size_t size : kSizes) MakeSource(size);
    for (std::size_t size : kSizes) {
      const auto arg = static_cast<std::int64_t>(size);
      benchmark::RegisterBenchmark("CopyKitFile", BM_CopyKitFile)->Arg(arg);
      benchmark::RegisterBenchmark("copy_file", BM_CopyFile)->Arg(arg);
    }
    benchmark::RegisterBenchmark("WriteKitConfig", BM_WriteKitConfig)->Unit(benchmark::kMicrosecond);
    // Medians of several repetitions: the disk cache and the writeback of
    // earlier runs make single figures noisy.
    benchmark::AddCustomContext("block size", std::to_string(kit::kCopyBlockSize));
    benchmark::AddCustomContext("stream buffer", std::to_string(kit::kStreamBufferSize));
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string unit = "--benchmark_time_unit=ms";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions.data(), unit.data(), aggregates.data()});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatio CopyKitFile / copy_file (median real time):\n");
    for (std::size_t size : kSizes) {
      const std::string arg = std::to_string(size);
      const auto kitTime = reporter.medians.find("CopyKitFile/" + arg);
      const auto copyTime = reporter.medians.find("copy_file/" + arg);
      if (kitTime == reporter.medians.end() || copyTime == reporter.medians.end()) continue;
      std::printf("  %3zu MiB: %.2f ms / %.2f ms = %.2f\n", size / kMiB, kitTime->second, copyTime->second,
                  kitTime->second / copyTime->second);
    }
    const auto configTime = reporter.medians.find("WriteKitConfig/");
    if (configTime != reporter.medians.end())
      std::printf("\nWriteKitConfig (median real time): %.1f us\n", configTime->second);
    ReportPeakMemory();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kit_copy_benchmark: %s\n", error.what());
    status = 1;
  }
  std::error_code ignored;
  fs::remove_all(g_directory, ignored);
  return status;
}
