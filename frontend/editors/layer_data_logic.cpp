#include "editors/layer_data_logic.h"

#include "project/program_data.h"
#include "project/project_tables.h"

namespace {
bool AnyCpt(const TProgramData& p)
{
    return p.Method(6) == 1 || p.Method(7) == 1 || p.Method(8) == 1 || p.Method(9) == 1;
}
} // namespace

TLayerItemState TLayerDataLogic::Item(int soilType, int column, const TProgramData& p)
{
    TLayerItemState s;
    const bool offshore = p.OffshoreEdition == 1;
    if (column == sand_column::kUserSkinFriction || column == sand_column::kUserEndBearing) {
        s.Enabled = p.Method(5) == 1;
        return s;
    }
    if (soilType == kSand) {
        if (column == sand_column::kKo) s.Enabled = SandKo(p).HeadingEnabled;
        if (column == sand_column::kNq) s.Enabled = SandKo(p).NqEnabled;
        if (column == sand_column::kQc) s = {AnyCpt(p), offshore};
    } else if (soilType == kClay) {
        if (column == clay_column::kRemoldedShear) s.Enabled = p.PileType == 1;
        if (column == clay_column::kQc) s = {AnyCpt(p), offshore};
        if (column == clay_column::kPlasticIndex || column == clay_column::kYieldStressRatio) s = {p.Method(7) == 1, offshore};
    }
    return s;
}

TSandKoItem TLayerDataLogic::SandKo(const TProgramData& p)
{
    const std::vector<std::string> apiNotes{"(API recommends Ko=1 for full displacement",
                                            "piles and Ko=0.8 for open ended pipe piles)"};
    TSandKoItem item;
    if (p.Method(4) == 1) {
        item.Texts = {"3. Data for API Computation Method", "(Ko also used for Lambda Method)"};
        item.Texts.insert(item.Texts.end(), apiNotes.begin(), apiNotes.end());
        item.HeadingEnabled = true;
        item.NqEnabled = true;
    } else if (p.Method(2) == 1) {
        item.Texts = {"3. Data for USACE Computation Method", "(Ko also used for Lambda Method)",
                      "(USACE recommends Ko=1.25 for compression", "and Ko=0.5 to 0.7 for tension)"};
        item.HeadingEnabled = true;
    } else if (p.Method(3) == 1) {
        item.Texts = {"3. Data for Revised Lambda Computation Method", "(Not used in other methods)"};
        item.Texts.insert(item.Texts.end(), apiNotes.begin(), apiNotes.end());
        item.HeadingEnabled = true;
    } else {
        item.Texts = {"3. Data for API Computation Method", "(Ko also used for Lambda Method)"};
        item.Texts.insert(item.Texts.end(), apiNotes.begin(), apiNotes.end());
    }
    return item;
}

bool TLayerDataLogic::BlowCountChosen(const TGridTable& layerData)
{
    auto& t = const_cast<TGridTable&>(layerData);
    return t.Cell(sand_column::kBlowCount, 0).AsInteger() != 0 || t.Cell(sand_column::kBlowCount, 1).AsInteger() != 0;
}

void TLayerDataLogic::KeepChosenInput(TGridTable& layerData, int soilType, bool blowCounts)
{
    if (soilType != kSand && soilType != kSilt) return;
    for (int row = 0; row < 2; ++row) {
        if (blowCounts)
            layerData.Cell(sand_column::kFrictionAngle, row).SetFloat(0.0);
        else
            layerData.Cell(sand_column::kBlowCount, row).SetInteger(0);
    }
}
