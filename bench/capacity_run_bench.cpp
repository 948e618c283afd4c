// Time of one complete analysis of a project at the engine's limits: 80 profile points in
// 40 layers, 500 computation increments, 481 depth rows all printed, every method switch on
// with the offshore switch 1, and CPT data.
//
//   BM_EngineRunInProcess  ICORVEX(7) called in this process (names.dat in a private folder)
//   BM_CorvexrunEndToEnd   the corvexrun program on the same project, as a user runs it
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

extern "C" int32_t ICORVEX(int32_t code);

namespace {

namespace fs = std::filesystem;

// 250 ft of soil in 40 layers (80 profile points): 30 layers of 8.3 ft alternating sand and
// clay, and after every third one a layer of 0.1 ft that the thin-layer rule removes (so
// that the profile keeps to the 90 t-z curves the engine stores). DZ 0.5 ft gives 500
// increments. A 24 in open pipe, 240 ft long with no stick-up, needs 244 ft of soil.
std::string maximumProject() {
  std::ostringstream p;
  p << "Maximum-size project for timing\nBench\nB-1\n";
  p << "1 1 80 \n";
  p << "0 0 24 22.5 29000000 240 0 \n";
  p << "0 0 \n";
  p << "0 0.5 1 0 4 1 0 \n";
  p << "1 1 1 1 1 1 1 1 1 \n";
  p << "250 0 \n";
  int tenths = 0;  // depth in tenths of a foot
  for (int layer = 0; layer < 40; ++layer) {
    const int top = tenths;
    tenths += layer % 4 == 3 ? 1 : 83;
    const bool sand = layer % 2 == 0;
    for (int depth : {top, tenths}) {
      if (sand) {
        p << depth / 10.0 << " 1 0.8 62 " << (30 + layer % 5) << " 20 \n";
        p << "0 0 0 " << (10 + layer) << " 0 0 0 2000 0 1 1 \n";
      } else {
        const double su = 800 + 40 * layer;
        p << depth / 10.0 << " 2 0 52 0 0 \n";
        p << "0 0 " << su << " " << su / 2 << " 1.5 25 0 0 0 1 1 \n";
      }
    }
  }
  p << "0 \n0 1 \n0 0 \n0 0 \n0 0 \n";
  return p.str();
}

std::string cptFile() {
  std::ostringstream c;
  c << "0 250 \n";
  for (int i = 1; i <= 250; ++i) c << i << " " << 40 + (i % 50) << " \n";
  return c.str();
}

// A private folder holding the project, made current for the engine's names.dat.
class BenchFolder {
 public:
  BenchFolder() {
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("corvex-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    std::ofstream(folder_ / "max.cx6d") << maximumProject();
    std::ofstream(folder_ / "max.cpt") << cptFile();
    std::ofstream(folder_ / "names.dat")
        << "2014.6.7\nBenchmark\nMaximum-size project\n1\n"
        << (folder_ / "max.cx6d").string() << "\n" << (folder_ / "max.cx6o").string() << "\n"
        << (folder_ / "max.cx6p").string() << "\n" << (folder_ / "max.cpt").string() << "\n";
    fs::current_path(folder_);
  }
  ~BenchFolder() {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  const fs::path& path() const { return folder_; }

 private:
  fs::path previous_;
  fs::path folder_;
};

void BM_EngineRunInProcess(benchmark::State& state) {
  BenchFolder folder;
  // The engine writes its banner to the console; keep it out of the timing output.
  std::streambuf* console = std::cout.rdbuf();
  std::ofstream sink("/dev/null");
  std::cout.rdbuf(sink.rdbuf());
  int32_t status = 0;
  for (auto _ : state) {
    status = ICORVEX(7);
    benchmark::DoNotOptimize(status);
  }
  std::cout.rdbuf(console);
  if (status != 0) state.SkipWithError("the engine did not complete the run");
}
BENCHMARK(BM_EngineRunInProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CorvexrunEndToEnd(benchmark::State& state) {
  const fs::path program = fs::path(CORVEX_BIN_DIR) / "corvexrun";
  if (!fs::exists(program)) {
    state.SkipWithError("corvexrun is not built");
    return;
  }
  BenchFolder folder;
  const std::string command =
      "'" + program.string() + "' '" + (folder.path() / "max.cx6d").string() + "' >/dev/null";
  int result = 0;
  for (auto _ : state) {
    result = std::system(command.c_str());
  }
  if (result != 0) state.SkipWithError("corvexrun did not end with status 0");
}
BENCHMARK(BM_CorvexrunEndToEnd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
