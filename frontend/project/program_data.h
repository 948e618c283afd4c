#pragma once
// TProgramData: the scalar part of the one project the front end edits (titles, pile geometry
// and material, computation options, method choices, the paths of the files written beside the
// project) and the operations that create, read, save and convert a project. The tabular part
// lives in the main window's grid tables (TProjectTables), which these operations read, write
// and convert together with the scalar values.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TProjectTables;
class TMessageLayer;

// One cone-penetration point: X is the cone resistance qc, Y the depth.
struct TCptPoint {
    double X = 0.0;
    double Y = 0.0;
};

class TProgramData {
public:
    static constexpr int kWaveEntries = 501;
    static constexpr int kMethodCount = 9;

    // A new project with the defaults: every table emptied and refilled with its minimum rows.
    static TProgramData Create(TProjectTables& tables);

    // A project read from a file of the current layout (or the legacy layout for import).
    // A read failure is shown in an information box; the project then holds what was read
    // before the failure and defaults for the rest. The CPT file beside the project, when there
    // is one, is read back into CptPoints.
    static TProgramData CreateFromFile(const std::string& path, bool legacy, TProjectTables& tables,
                                       TMessageLayer& messages);

    // Writes the project file and the CPT file. Each file is written beside its target first and
    // replaces it only when complete, so a failed save leaves the previous file intact. Failures
    // raise EInOutError.
    void Save(TProjectTables& tables);

    // Writes the GRLWEAP input file (.gwi) from the kept results (WavePointCount, WaveDepth,
    // WaveSkin, WaveTip). Failures raise EInOutError.
    void WriteWaveFile();

    // Switches the unit system (1 English, 2 SI) and converts the stored values and every table.
    void SetUnits(int system, TProjectTables& tables);

    // The entry of Methods for a method code 1 ... 9.
    std::int32_t& Method(int code) { return Methods[static_cast<std::size_t>(code - 1)]; }
    std::int32_t Method(int code) const { return Methods[static_cast<std::size_t>(code - 1)]; }

    std::int32_t Units = 1;
    std::string FileName = "NewCorvex.cx6d";
    std::string WaveFileName;
    std::string CptFileName;
    std::string Title = "New Pile";
    std::string Designer;
    std::string JobNumber;
    std::int32_t PrintEvery = 1;
    double Perimeter = 0.0;
    double SectionArea = 0.0;
    double TipArea = 0.0;
    double OuterDiameter = 0.0;
    double InnerDiameter = 0.0;
    double Modulus = 0.0;
    double StickupLength = 0.0;
    double TotalLength = 0.0;
    double EndSectionLength = 0.0;
    double EndSectionDiameter = 0.0;
    double ZeroFrictionLength = 0.0;
    double Increment = 1.0;
    double LastLayerBottom = 0.0;
    double TaperAngle = 0.0;
    std::int32_t TransferMethod = 4;
    std::int32_t ExtraTZ = 0;
    std::int32_t PileType = 1;
    std::int32_t LoadingType = 0;
    std::int32_t DrainedClay = 0;
    std::int32_t PlugMode = 0;
    std::int32_t AreaMode = 0;
    double TensionFactor = 1.0;
    bool Circular = true;
    std::int32_t OffshoreEdition = 0;
    std::int32_t ReducedCurves = 0;
    std::int32_t CriticalDepthMode = 0;
    double CriticalDepth = 0.0;
    // Results of the last run kept for the .gwi file: entry k (1 ... WavePointCount) at index k - 1.
    std::array<double, kWaveEntries> WaveDepth{};
    std::array<double, kWaveEntries> WaveSkin{};
    std::array<double, kWaveEntries> WaveTip{};
    // 1 where the capacity method of code c is computed, at index c - 1 (see Method()).
    std::array<std::int32_t, kMethodCount> Methods{0, 0, 0, 1, 0, 0, 0, 0, 0};
    std::int32_t WavePointCount = 0;
    std::int32_t CptCount = 0;

    // The project's CPT points (qc, depth) in the project's units (ksf and ft, or kPa and m),
    // written to the CPT file by Save and converted by SetUnits. The CPT editor fills them and
    // keeps CptCount equal to their number; the CPT graph shows them.
    std::vector<TCptPoint> CptPoints;

    // CPT import settings of the CPT editor, held in memory only.
    std::string CptImportFileName;
    std::int32_t CptDataLines = 0;
    std::int32_t CptHeaderLines = 0;
    std::int32_t CptColumns = 0;

private:
    void ReadProject(const std::string& path, bool legacy, TProjectTables& tables, TMessageLayer& messages);
    void ReadCptFile(const std::string& path);
    std::string ProjectText(TProjectTables& tables);
    std::string CptText() const;
    std::string WaveText();

    // The CPT file beside an opened project that exists but could not be read: saving does not
    // replace it with an empty point list.
    std::string unreadCptFile_;
};

// The path with its extension (the part after the last "." of the file name) replaced.
std::string ChangeFileExtension(const std::string& path, const std::string& extension);
