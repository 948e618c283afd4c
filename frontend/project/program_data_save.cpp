// Writing the project file and the CPT file.
#include <cstdint>

#include "project/atomic_file.h"
#include "project/grid_column_kinds.h"
#include "project/number_format.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "project/text_lines.h"

namespace {

const std::string kPlaceholder = "0.0";

std::string R10(double value) { return FormatGeneral10(value); }
std::string R8(double value) { return FormatGeneral8(value); }
std::string Int(std::int32_t value) { return std::to_string(value); }

// Records 1 to 3 are whole lines: a line break inside would split the record, so each one is
// written as a blank.
std::string SingleLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

double Cell(TGridTable& table, int column, int row) { return table.Cell(column, row).AsFloat(); }

void WriteLayerPoint(TTextLines& out, TProjectTables& tables, int layer, int j, bool userValuesKept)
{
    TGridTable& d = tables.D;
    const int type = d.Cell(soil_column::kSoilType, layer).AsInteger();
    TGridTable& data = tables.LayerData(layer);
    std::string depth;
    if (j == 1) depth = R8(Cell(d, soil_column::kBottomDepth, layer));
    else if (layer == 0) depth = kPlaceholder;
    else depth = R8(Cell(d, soil_column::kBottomDepth, layer - 1));
    const std::string maxSide = R8(Cell(d, soil_column::kMaxSideFriction, layer));
    const std::string maxEnd = R8(Cell(d, soil_column::kMaxEndBearing, layer));
    const std::string sideFactor = R8(Cell(d, soil_column::kSideFactor, layer));
    const std::string endFactor = R8(Cell(d, soil_column::kEndFactor, layer));

    if (type == kSand) {
        out << depth << Int(kSand) << R8(Cell(data, sand_column::kKo, j)) << R8(Cell(data, sand_column::kUnitWeight, j))
            << R8(Cell(data, sand_column::kFrictionAngle, j)) << R8(Cell(data, sand_column::kNq, j));
        out.EndLine();
        if (!userValuesKept) {
            data.Cell(sand_column::kUserSkinFriction, j).SetFloat(0.0);
            data.Cell(sand_column::kUserEndBearing, j).SetFloat(0.0);
        }
        out << maxSide << maxEnd << kPlaceholder << Int(data.Cell(sand_column::kBlowCount, j).AsInteger())
            << kPlaceholder << kPlaceholder << R8(Cell(data, sand_column::kQc, j))
            << R8(Cell(data, sand_column::kUserSkinFriction, j)) << R8(Cell(data, sand_column::kUserEndBearing, j))
            << sideFactor << endFactor;
        out.EndLine();
    } else if (type == kClay) {
        out << depth << Int(kClay) << kPlaceholder << R8(Cell(data, clay_column::kUnitWeight, j)) << kPlaceholder
            << kPlaceholder;
        out.EndLine();
        if (!userValuesKept) {
            data.Cell(clay_column::kUserSkinFriction, j).SetFloat(0.0);
            data.Cell(clay_column::kUserEndBearing, j).SetFloat(0.0);
        }
        out << maxSide << maxEnd << R8(Cell(data, clay_column::kUndrainedShear, j))
            << R8(Cell(data, clay_column::kRemoldedShear, j)) << R8(Cell(data, clay_column::kYieldStressRatio, j))
            << R8(Cell(data, clay_column::kPlasticIndex, j)) << R8(Cell(data, clay_column::kQc, j))
            << R8(Cell(data, clay_column::kUserSkinFriction, j)) << R8(Cell(data, clay_column::kUserEndBearing, j))
            << sideFactor << endFactor;
        out.EndLine();
    } else {
        out << depth << Int(kSilt) << R8(Cell(data, silt_column::kKo, j)) << R8(Cell(data, silt_column::kUnitWeight, j))
            << R8(Cell(data, silt_column::kFrictionAngle, j)) << kPlaceholder;
        out.EndLine();
        out << maxSide << maxEnd << R8(Cell(data, silt_column::kUndrainedShear, j))
            << Int(data.Cell(silt_column::kBlowCount, j).AsInteger());
        for (int k = 0; k < 5; ++k) out << kPlaceholder;
        out << sideFactor << endFactor;
        out.EndLine();
    }
}

} // namespace

std::string TProgramData::ProjectText(TProjectTables& tables)
{
    TTextLines out;
    out.Raw(SingleLine(Title)).EndLine();
    out.Raw(SingleLine(Designer)).EndLine();
    out.Raw(SingleLine(JobNumber)).EndLine();

    if (PrintEvery == 0) PrintEvery = 1;
    const int layers = tables.D.RowCount();
    out << Int(Units) << Int(PrintEvery) << Int(2 * layers);
    out.EndLine();

    if (Circular) {
        out << "0";
        TipArea = 0.0;
    } else {
        out << R10(Perimeter);
    }
    out << R10(TipArea) << R10(OuterDiameter) << R10(InnerDiameter) << R10(Modulus) << R10(TotalLength)
        << R10(StickupLength);
    out.EndLine();
    out << R10(EndSectionLength) << R10(EndSectionDiameter);
    out.EndLine();

    if (Increment == 0.0) Increment = 1.0;
    out << R10(ZeroFrictionLength) << R10(Increment) << Int(PileType) << R10(TaperAngle) << Int(TransferMethod)
        << Int(OffshoreEdition) << Int(ReducedCurves);
    out.EndLine();
    for (std::int32_t selected : Methods) out << Int(selected);
    out.EndLine();
    const double deepest = layers > 0 ? tables.D.Cell(soil_column::kBottomDepth, layers - 1).AsFloat() : 0.0;
    out << R8(deepest) << R10(SectionArea);
    out.EndLine();

    const bool userValuesKept = TransferMethod == 5;
    for (int layer = 0; layer < layers; ++layer)
        for (int j = 0; j < 2; ++j) WriteLayerPoint(out, tables, layer, j, userValuesKept);

    out << Int(ExtraTZ);
    out.EndLine();
    if (ExtraTZ == 1) {
        out << Int(tables.TblTZDepth.RowCount());
        out.EndLine();
        for (int row = 0; row < tables.TblTZDepth.RowCount(); ++row) {
            out << R8(tables.TblTZDepth.Cell(0, row).AsFloat());
            out.EndLine();
        }
    }
    out << R10(LoadingType) << R10(TensionFactor);
    out.EndLine();
    out << R10(DrainedClay) << R10(PlugMode);
    out.EndLine();
    const int areaRows = tables.Sectionaldata.RowCount();
    out << R10(areaRows) << R10(AreaMode);
    out.EndLine();
    if (areaRows > 1) {
        for (int row = 0; row < areaRows; ++row) {
            out << R8(tables.Sectionaldata.Cell(section_column::kDistance, row).AsFloat())
                << R8(tables.Sectionaldata.Cell(section_column::kArea, row).AsFloat());
            out.EndLine();
        }
    }
    out << R10(CriticalDepthMode) << R10(CriticalDepth);
    out.EndLine();
    return out.Text();
}

std::string TProgramData::CptText() const
{
    TTextLines out;
    out.Raw(Units == 1 ? " 1 " : " 2 ").Raw(std::to_string(CptPoints.size())).EndLine();
    for (const TCptPoint& point : CptPoints) {
        out.Raw("  " + FormatExponent3(point.Y) + "  " + FormatExponent3(point.X)).EndLine();
    }
    return out.Text();
}

void TProgramData::Save(TProjectTables& tables)
{
    WriteFileReplacing(FileName, ProjectText(tables));
    CptFileName = ChangeFileExtension(FileName, ".cpt");
    CptCount = static_cast<std::int32_t>(CptPoints.size());
    const bool keepUnreadFile = CptPoints.empty() && !unreadCptFile_.empty() && unreadCptFile_ == CptFileName;
    if (!keepUnreadFile) {
        WriteFileReplacing(CptFileName, CptText());
        unreadCptFile_.clear();
    }
    tables.ResetChanged();
}
