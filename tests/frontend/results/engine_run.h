#pragma once
// Runs the engine library on one example project in a private folder, binding it at run time
// as the front end does. Used by the tests that read real plot-data files.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace corvex::testing_support {

namespace fs = std::filesystem;

// Plot() is empty when the engine library is not there.
class EngineRun {
 public:
  explicit EngineRun(const std::string& example) {
    const fs::path library = fs::path(CORVEX_BIN_DIR) / "libcorvexcalc.so";
    handle_ = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) return;
    using Entry = std::int32_t (*)(std::int32_t);
    auto entry = reinterpret_cast<Entry>(dlsym(handle_, "_ICORVEX"));
    if (entry == nullptr) return;
    folder_ = fs::temp_directory_path() / ("corvex_engine_plot_" + example + "_" +
                                            std::to_string(::getpid()));
    fs::create_directories(folder_);
    const fs::path examples = fs::path(CORVEX_SOURCE_DIR) / "examples";
    for (const char* ext : {".cx6d", ".cpt"})
      fs::copy_file(examples / (example + ext), folder_ / (example + ext),
                    fs::copy_options::overwrite_existing);
    project_ = (folder_ / (example + ".cx6d")).string();
    const std::string base = (folder_ / example).string();
    std::ofstream(folder_ / "names.dat") << "2014.6.7\nCorvex\nTest\n1\n"
                                         << project_ << "\n" << base << ".cx6o\n"
                                         << base << ".cx6p\n" << base << ".cpt\n";
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    status_ = entry(7);
    fs::current_path(previous);
    plot_ = base + ".cx6p";
  }
  ~EngineRun() {
    if (!folder_.empty()) fs::remove_all(folder_);
    if (handle_ != nullptr) dlclose(handle_);
  }
  bool Ran() const { return !plot_.empty(); }
  int Status() const { return status_; }
  const std::string& Project() const { return project_; }
  const std::string& Plot() const { return plot_; }

 private:
  void* handle_ = nullptr;
  fs::path folder_;
  std::string project_;
  std::string plot_;
  int status_ = -1;
};

}  // namespace corvex::testing_support
