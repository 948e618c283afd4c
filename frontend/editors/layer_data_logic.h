#pragma once
// The rules of the layer data window without its widgets: which items of the sand, clay and
// silt pages are enabled and visible for the project's methods, the headings of the sand
// page's Ko item, and the choice between friction angle and blow counts.
#include <array>
#include <string>
#include <vector>

class TProgramData;
class TGridTable;

struct TLayerItemState {
    bool Enabled = true;
    bool Visible = true;
};

struct TSandKoItem {
    std::vector<std::string> Texts; // heading and note lines
    bool HeadingEnabled = false;    // heading, notes and the Ko fields
    bool NqEnabled = false;
};

class TLayerDataLogic {
public:
    // State of the data-table column `column` on the page of `soilType` (the friction-angle and
    // blow-count fields aside, which follow the choice).
    static TLayerItemState Item(int soilType, int column, const TProgramData& project);
    static TSandKoItem SandKo(const TProgramData& project);

    // True when the blow counts are the chosen input: either blow count is non-zero.
    static bool BlowCountChosen(const TGridTable& layerData);
    // Keeps only the chosen input of sand and silt: the other one is set to 0 at top and bottom.
    static void KeepChosenInput(TGridTable& layerData, int soilType, bool blowCounts);
};
