// Every example project opens, saves to a new path and reads back unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "project_compare.h"
#include "project_test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ExampleProjects()
{
    std::vector<fs::path> files;
    const fs::path folder = fs::path(CORVEX_SOURCE_DIR) / "examples";
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".cx6d") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class ExampleRoundTrip : public TempFolderTest {};

TEST_F(ExampleRoundTrip, EveryExampleSavesAndReadsBackUnchanged)
{
    const auto examples = ExampleProjects();
    if (examples.empty()) GTEST_SKIP() << "no example projects";
    for (const fs::path& example : examples) {
        SCOPED_TRACE(example.filename().string());
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData original = TProgramData::CreateFromFile(example.string(), false, tables, messages);
        // The only message an example may give is the fallback from an offshore method.
        for (const auto& entry : messages.Entries)
            EXPECT_EQ(entry.Text.rfind("File was created using Corvex offshore version", 0), 0u) << entry.Text;
        EXPECT_EQ(original.CptCount, static_cast<int>(original.CptPoints.size()));

        original.FileName = PathOf("first.cx6d");
        original.Save(tables);
        TProjectTables reread;
        TMessageRecorder quiet;
        TProgramData copy = TProgramData::CreateFromFile(original.FileName, false, reread, quiet);
        EXPECT_TRUE(quiet.Entries.empty());
        ExpectProjectsEqual(original, copy, 0);
        ExpectProjectTablesEqual(tables, reread, 0);
        ASSERT_EQ(copy.CptPoints.size(), original.CptPoints.size());
        for (std::size_t i = 0; i < copy.CptPoints.size(); ++i) {
            EXPECT_EQ(copy.CptPoints[i].X, original.CptPoints[i].X);
            EXPECT_EQ(copy.CptPoints[i].Y, original.CptPoints[i].Y);
        }

        copy.FileName = PathOf("second.cx6d");
        copy.Save(reread);
        EXPECT_EQ(ReadAll(PathOf("first.cx6d")), ReadAll(PathOf("second.cx6d")));
        EXPECT_EQ(ReadAll(PathOf("first.cpt")), ReadAll(PathOf("second.cpt")));
    }
}

} // namespace
