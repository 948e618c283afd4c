// Reading a project file (current and legacy layouts) and the CPT file beside it.
#include <filesystem>

#include "project/assign_error.h"
#include "project/in_out_error.h"
#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/word_reader.h"

namespace {

constexpr const char* kOffshoreMessage =
    "File was created using Corvex offshore version\rusing an offshore computation method,\rso the computation "
    "method will default to FHWA and\roffshore parameters will not be considered.\r\rIf you do not want to lose "
    "the previous information,\rplease do not save this file!!.";

constexpr const char* kCptReadError = "There was an error reading the input CPT file.";

// Upper limits of the counts a project file may give (the layout's own limits); a larger or a
// negative count marks a damaged file.
constexpr int kMaxTZDepths = 100;
constexpr int kMaxCptPoints = 100000;

int CheckedCount(int count, int maximum)
{
    if (count < 0 || count > maximum) throw EInOutError(kInvalidOrIncompleteFile);
    return count;
}

// Half of the point count, halves rounded to the even neighbour (3 gives 2, 5 gives 2).
int LayersOfPointCount(int points)
{
    int layers = points / 2;
    if (points % 2 != 0 && layers % 2 != 0) ++layers;
    return layers;
}

void StoreSoilType(TProjectTables& tables, int layer, int type)
{
    try {
        tables.D.Cell(soil_column::kSoilType, layer).SetInteger(type);
    } catch (const EAssignError&) {
        throw EInOutError(kInvalidOrIncompleteFile);
    }
}

class TLayerReader {
public:
    TLayerReader(TWordReader& reader, TProjectTables& tables, bool legacy)
        : r_(reader), tables_(tables), legacy_(legacy) {}

    void ReadLayer(int layer)
    {
        r_.ReadFloat(); // top depth: the bottom of the layer above
        StoreSoilType(tables_, layer, r_.ReadInteger());
        tables_.LayerData(layer).SetNumber(layer + 1);
        tables_.LayerData(layer).FillToMinimum();
        for (int j = 0; j < 2; ++j) {
            if (j == 1) {
                Store(tables_.D, soil_column::kBottomDepth, layer);
                StoreSoilType(tables_, layer, r_.ReadInteger());
            }
            const int type = tables_.D.Cell(soil_column::kSoilType, layer).AsInteger();
            TGridTable& data = tables_.LayerData(layer);
            if (type == kSand) ReadSand(data, layer, j);
            else if (type == kClay) ReadClay(data, layer, j);
            else ReadSilt(data, layer, j);
        }
    }

private:
    void Store(TGridTable& table, int column, int row) { table.Cell(column, row).SetFloat(r_.ReadFloat()); }
    void StoreInteger(TGridTable& table, int column, int row)
    {
        table.Cell(column, row).SetInteger(r_.ReadInteger());
    }
    void Drop() { r_.ReadFloat(); }

    void ReadLimits(int layer)
    {
        Store(tables_.D, soil_column::kMaxSideFriction, layer);
        Store(tables_.D, soil_column::kMaxEndBearing, layer);
    }
    void ReadFactors(int layer)
    {
        Store(tables_.D, soil_column::kSideFactor, layer);
        Store(tables_.D, soil_column::kEndFactor, layer);
    }

    void ReadSand(TGridTable& data, int layer, int j)
    {
        Store(data, sand_column::kKo, j);
        Store(data, sand_column::kUnitWeight, j);
        Store(data, sand_column::kFrictionAngle, j);
        Store(data, sand_column::kNq, j);
        ReadLimits(layer);
        Drop();
        StoreInteger(data, sand_column::kBlowCount, j);
        Drop();
        Drop();
        Store(data, sand_column::kQc, j);
        Store(data, sand_column::kUserSkinFriction, j);
        Store(data, sand_column::kUserEndBearing, j);
        if (!legacy_) ReadFactors(layer);
    }

    void ReadClay(TGridTable& data, int layer, int j)
    {
        Drop();
        Store(data, clay_column::kUnitWeight, j);
        Drop();
        Drop();
        ReadLimits(layer);
        Store(data, clay_column::kUndrainedShear, j);
        Store(data, clay_column::kRemoldedShear, j);
        Store(data, clay_column::kYieldStressRatio, j);
        Store(data, clay_column::kPlasticIndex, j);
        Store(data, clay_column::kQc, j);
        Store(data, clay_column::kUserSkinFriction, j);
        Store(data, clay_column::kUserEndBearing, j);
        if (!legacy_) ReadFactors(layer);
    }

    // A silt point has the same eleven values in both layouts.
    void ReadSilt(TGridTable& data, int layer, int j)
    {
        Store(data, silt_column::kKo, j);
        Store(data, silt_column::kUnitWeight, j);
        Store(data, silt_column::kFrictionAngle, j);
        Drop();
        ReadLimits(layer);
        Store(data, silt_column::kUndrainedShear, j);
        StoreInteger(data, silt_column::kBlowCount, j);
        for (int k = 0; k < 5; ++k) Drop();
        ReadFactors(layer);
    }

    TWordReader& r_;
    TProjectTables& tables_;
    bool legacy_;
};

} // namespace

TProgramData TProgramData::CreateFromFile(const std::string& path, bool legacy, TProjectTables& tables,
                                          TMessageLayer& messages)
{
    TProgramData project = Create(tables);
    project.FileName = path;
    project.ReadProject(path, legacy, tables, messages);
    const std::string cptPath = ChangeFileExtension(path, ".cpt");
    std::error_code error;
    if (std::filesystem::is_regular_file(cptPath, error)) {
        try {
            project.ReadCptFile(cptPath);
        } catch (const EInOutError&) {
            project.CptPoints.clear();
            project.CptCount = 0;
            project.unreadCptFile_ = cptPath;
            messages.Information(kCptReadError);
        }
    }
    return project;
}

void TProgramData::ReadProject(const std::string& path, bool legacy, TProjectTables& tables, TMessageLayer& messages)
{
    for (TGridTable* table : tables.All()) table->SetRowCount(0);
    try {
        TWordReader r(path);
        Title = r.ReadLine();
        Designer = r.ReadLine();
        JobNumber = r.ReadLine();

        SetUnits(r.ReadInteger(), tables);
        PrintEvery = r.ReadInteger();
        tables.D.SetRowCount(CheckedCount(LayersOfPointCount(CheckedCount(r.ReadInteger(), 2 * tables.D.MaxRows + 1)),
                                          tables.D.MaxRows));

        Perimeter = r.ReadFloat();
        Circular = Perimeter == 0.0;
        TipArea = r.ReadFloat();
        OuterDiameter = r.ReadFloat();
        InnerDiameter = r.ReadFloat();
        Modulus = r.ReadFloat();
        TotalLength = r.ReadFloat();
        if (!legacy) StickupLength = r.ReadFloat();
        EndSectionLength = r.ReadFloat();
        EndSectionDiameter = r.ReadFloat();

        ZeroFrictionLength = r.ReadFloat();
        Increment = r.ReadFloat();
        PileType = r.ReadInteger();
        TaperAngle = r.ReadFloat();
        TransferMethod = r.ReadInteger();
        const int storedOffshore = r.ReadInteger(); // read, not kept: this front end has no offshore methods
        if (!legacy) ReducedCurves = r.ReadInteger();
        if (TransferMethod > 5 && OffshoreEdition == 0 && storedOffshore == 1) {
            messages.Information(kOffshoreMessage);
            TransferMethod = 1;
        }

        if (legacy) {
            for (int code = 1; code <= kMethodCount; ++code) {
                if (code <= 4) Method(code) = 1;
                else if (code == 5) Method(code) = TransferMethod == 5 ? 1 : 0;
                else Method(code) = OffshoreEdition == 1 ? 1 : 0;
            }
        } else {
            for (int code = 1; code <= kMethodCount; ++code) Method(code) = r.ReadInteger();
        }
        LastLayerBottom = r.ReadFloat();
        SectionArea = r.ReadFloat();

        TLayerReader layers(r, tables, legacy);
        for (int layer = 0; layer < tables.D.RowCount(); ++layer) layers.ReadLayer(layer);

        ExtraTZ = r.ReadInteger();
        if (ExtraTZ == 1) {
            tables.TblTZDepth.SetRowCount(CheckedCount(r.ReadInteger(), kMaxTZDepths));
            for (int row = 0; row < tables.TblTZDepth.RowCount(); ++row)
                tables.TblTZDepth.Cell(0, row).SetFloat(r.ReadFloat());
        }

        LoadingType = r.ReadInteger();
        TensionFactor = r.ReadFloat();
        DrainedClay = r.ReadInteger();
        PlugMode = r.ReadInteger();

        TGridTable& areas = tables.Sectionaldata;
        areas.SetRowCount(CheckedCount(r.ReadInteger(), areas.MaxRows));
        if (r.WordsOnLine() < 2) {
            // A file older than the area modes: the mode follows from what it holds.
            AreaMode = areas.RowCount() >= 2 ? 2 : (SectionArea != 0.0 ? 1 : 0);
        } else {
            AreaMode = r.ReadInteger();
        }
        if (areas.RowCount() > 1) {
            for (int row = 0; row < areas.RowCount(); ++row) {
                areas.Cell(section_column::kDistance, row).SetFloat(r.ReadFloat());
                areas.Cell(section_column::kArea, row).SetFloat(r.ReadFloat());
            }
        }

        if (!legacy) {
            CriticalDepthMode = r.ReadInteger();
            CriticalDepth = r.ReadFloat();
        }
    } catch (const EInOutError& error) {
        messages.Information(error.what());
    }
    tables.FillToMinimum();
    tables.ResetChanged();
}

void TProgramData::ReadCptFile(const std::string& path)
{
    TWordReader r(path);
    r.ReadInteger(); // unit flag: the points are held in the project's system
    const int count = CheckedCount(r.ReadInteger(), kMaxCptPoints);
    std::vector<TCptPoint> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TCptPoint point;
        point.Y = r.ReadFloat();
        point.X = r.ReadFloat();
        points.push_back(point);
    }
    CptPoints = std::move(points);
    CptCount = count;
}
