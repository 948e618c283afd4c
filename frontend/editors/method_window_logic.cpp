#include "editors/method_window_logic.h"

#include <numeric>

#include "editors/soil_type_change.h"
#include "project/program_data.h"
#include "project/project_tables.h"

namespace {
constexpr int kFhwa = 1;
constexpr int kUsace = 2;
constexpr int kApi = 4;
constexpr int kUserSpecified = 5;
constexpr int kIcpMtd = 7;

bool IsChecked(const TMethodChoices& c, int code) { return c.Checked[static_cast<std::size_t>(code - 1)]; }
} // namespace

TMethodChoices TMethodWindowLogic::Load(const TProgramData& project)
{
    TMethodChoices c;
    c.TransferMethod = project.TransferMethod;
    for (int k = 1; k <= 9; ++k) c.Checked[static_cast<std::size_t>(k - 1)] = project.Method(k) == 1;
    c.Tension = project.LoadingType == 1;
    c.TensionFactor = project.TensionFactor;
    c.Drained = project.DrainedClay == 1;
    c.Reduced = project.ReducedCurves == 1;
    c.CriticalDepthMode = project.CriticalDepthMode;
    c.CriticalDepth = project.CriticalDepth;
    ApplyRules(c);
    return c;
}

void TMethodWindowLogic::ApplyRules(TMethodChoices& choices)
{
    if (choices.TransferMethod >= 1 && choices.TransferMethod <= 9)
        choices.Checked[static_cast<std::size_t>(choices.TransferMethod - 1)] = true;
}

TMethodEnabling TMethodWindowLogic::Enabling(const TMethodChoices& c, int offshoreEdition)
{
    TMethodEnabling e;
    for (int k = 1; k <= 9; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        e.LsVisible[i] = c.TransferMethod == k;
        e.MethodEnabled[i] = k <= 5 || offshoreEdition == 1;
    }
    e.CriticalChoices = IsChecked(c, kUsace);
    e.CriticalField = e.CriticalChoices && c.CriticalDepthMode == 2;
    e.DrainChoice = IsChecked(c, kIcpMtd) && e.MethodEnabled[kIcpMtd - 1];
    e.TensionField = c.Tension && IsChecked(c, kApi);
    return e;
}

void TMethodWindowLogic::SelectAll(TMethodChoices& c, int offshoreEdition)
{
    for (int k = 1; k <= 9; ++k)
        if (k <= 5 || offshoreEdition == 1) c.Checked[static_cast<std::size_t>(k - 1)] = true;
}

void TMethodWindowLogic::ClearSelections(TMethodChoices& c)
{
    c.Checked.fill(false);
    ApplyRules(c);
}

bool TMethodWindowLogic::SiltAllowed(const std::array<int, 9>& methods)
{
    return methods[kUsace - 1] == 1 && std::accumulate(methods.begin(), methods.end(), 0) == 1;
}

void TMethodWindowLogic::SetUserColumnsVisible(TProjectTables& tables, bool visible)
{
    auto apply = [visible](TGridTable& t) {
        t.Column(sand_column::kUserSkinFriction).Visible = visible;
        t.Column(sand_column::kUserEndBearing).Visible = visible;
    };
    apply(tables.tblDataSand);
    apply(tables.tblDataClay);
    for (int layer = 0; layer < tables.D.RowCount(); ++layer) apply(tables.LayerData(layer));
}

void TMethodWindowLogic::Store(const TMethodChoices& c, TProgramData& project, TProjectTables& tables)
{
    project.TransferMethod = c.TransferMethod;
    if (project.TransferMethod > kFhwa) project.TaperAngle = 0.0;
    SetUserColumnsVisible(tables, c.TransferMethod == kUserSpecified);
    for (int k = 1; k <= 9; ++k) project.Method(k) = IsChecked(c, k) ? 1 : 0;
    if (c.Tension) {
        project.LoadingType = 1;
        project.TensionFactor = c.TensionFactor;
    } else {
        project.LoadingType = 0;
        project.TensionFactor = 1.0;
    }
    project.DrainedClay = c.Drained ? 1 : 0;
    project.ReducedCurves = c.Reduced ? 1 : 0;
    project.CriticalDepthMode = c.CriticalDepthMode;
    project.CriticalDepth = c.CriticalDepth;
    if (!SiltAllowed(project.Methods)) ConvertSiltLayersToSand(tables);
}
