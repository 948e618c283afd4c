#include "shell/dynamic_library.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace corvex {
namespace {

const std::string kEngine = std::string(CORVEX_BIN_DIR) + "/libcorvexcalc.so";
using Entry = int32_t (*)(int32_t);

TEST(DynamicLibraryTest, BindsTheEngineAndResolvesItsEntry) {
  TDynamicLibrary library;
  EXPECT_FALSE(library.IsOpen());
  EXPECT_EQ(library.LibraryName(), "");
  library.SetLibraryName(kEngine);
  library.Open();
  ASSERT_TRUE(library.IsOpen());
  void* handle = library.Handle();
  library.Open();  // a second Open loads nothing more
  EXPECT_EQ(library.Handle(), handle);

  void* entry = library.GetEntry("_ICORVEX");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(reinterpret_cast<Entry>(entry)(0), 1);  // any code but 7 does nothing
  EXPECT_NE(library.GetEntry("ICORVEX"), nullptr);
  EXPECT_EQ(library.GetEntry("NoSuchEntry"), nullptr);  // not an error
  EXPECT_EQ(library.GetEntry("runAnalysis"), nullptr);  // internal names are not exported

  library.SetLibraryName(kEngine);  // renaming an open library closes it
  EXPECT_FALSE(library.IsOpen());
}

TEST(DynamicLibraryTest, EntryOfAClosedLibraryRaisesNotOpen) {
  TDynamicLibrary never;
  try {
    never.GetEntry("_ICORVEX");
    FAIL() << "no exception";
  } catch (const EDLLNotOpenError& error) {
    EXPECT_STREQ(error.what(), "Library is not open");
  }
}

TEST(DynamicLibraryTest, MissingOrInvalidFileLeavesTheLibraryClosed) {
  const auto folder = std::filesystem::temp_directory_path() / ("corvex-dl-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "libnot.so") << "this is not a library\n";
  for (const auto& name : {folder / "libmissing.so", folder / "libnot.so"}) {
    TDynamicLibrary library;
    library.SetLibraryName(name.string());
    EXPECT_NO_THROW(library.Open()) << name;
    EXPECT_FALSE(library.IsOpen()) << name;
    EXPECT_THROW(library.GetEntry("_ICORVEX"), EDLLNotOpenError) << name;
  }
  std::filesystem::remove_all(folder);
}

TEST(DynamicLibraryTest, ErrorFamilyMessages) {
  const EInitError init;
  const EFileNotFoundError notFound;
  const EDLLError& asBase = init;
  EXPECT_STREQ(asBase.what(), "Library failed to properly initialize");
  EXPECT_STREQ(static_cast<const EDLLError&>(notFound).what(), "Library could not be located");
}

}  // namespace
}  // namespace corvex

namespace corvex {
namespace {

TEST(DynamicLibraryTest, MissingDependencyAndUnresolvedSymbolRaise) {
  const std::filesystem::path fixtures = CORVEX_BINDER_FIXTURES;
  // The dependent library alone in a folder: its dependency cannot be located.
  const auto folder = std::filesystem::temp_directory_path() / ("corvex-dep-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(fixtures / "libcorvex_fixture_dependent.so", folder / "libcorvex_fixture_dependent.so",
                             std::filesystem::copy_options::overwrite_existing);
  TDynamicLibrary dependent;
  dependent.SetLibraryName((folder / "libcorvex_fixture_dependent.so").string());
  try {
    dependent.Open();
    FAIL() << "no exception";
  } catch (const EFileNotFoundError& error) {
    EXPECT_STREQ(error.what(), "Library could not be located");
  }
  EXPECT_FALSE(dependent.IsOpen());
  std::filesystem::remove_all(folder);

  // Beside its dependency it loads.
  dependent.SetLibraryName((fixtures / "libcorvex_fixture_dependent.so").string());
  dependent.Open();
  EXPECT_TRUE(dependent.IsOpen());

  TDynamicLibrary unresolved;
  unresolved.SetLibraryName((fixtures / "libcorvex_fixture_unresolved.so").string());
  try {
    unresolved.Open();
    FAIL() << "no exception";
  } catch (const EInitError& error) {
    EXPECT_STREQ(error.what(), "Library failed to properly initialize");
  }
  EXPECT_FALSE(unresolved.IsOpen());
}

}  // namespace
}  // namespace corvex
