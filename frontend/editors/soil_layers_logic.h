#pragma once
// The rules of the soil-layer window without its widgets: the rows of the layer grid as texts,
// its headers per unit system, adding, inserting and deleting layers together with the layer
// table D, the soil-type change, and what closing the window stores into D.
#include <array>
#include <string>
#include <vector>

class TProjectTables;

struct TLayerRow {
    int SoilType = 1;
    // Cell texts of the bottom depth, the two limits and the two factors (grid columns 2 ... 6).
    std::array<std::string, 5> Values{"0", "0", "0", "1", "1"};
};

class TSoilLayersLogic {
public:
    static constexpr int kMaxLayers = 40;

    // Silt is offered only when USACE is the only selected capacity method.
    static bool SiltOffered(const std::array<int, 9>& methods);
    // Header texts of grid rows 0 and 1, seven columns each.
    static std::array<std::string, 7> HeaderRow0();
    static std::array<std::string, 7> HeaderRow1(int units);

    // Fills the rows from D (values in general-8); the first layer becomes the current row.
    void Load(TProjectTables& tables);
    // Stores the rows into D (type code and the five values).
    void Store(TProjectTables& tables) const;

    bool AddEnabled() const { return LayerCount() < kMaxLayers; }
    bool InsertEnabled() const { return LayerCount() >= 1; }
    bool DeleteEnabled() const { return LayerCount() >= 1; }

    // A default layer (sand, depth 0, no limits, factors 1) at the end / before the current row.
    void Add(TProjectTables& tables);
    void Insert(TProjectTables& tables);
    // Removes the current layer; the current row stays within the layers.
    void Delete(TProjectTables& tables);
    // Changes the soil type of a layer, keeping the values both types share.
    void ChangeType(TProjectTables& tables, int layer, int newType);
    // A value typed into a numeric field (shortest exact text).
    void SetValue(int layer, int valueIndex, double value);

    int LayerCount() const { return static_cast<int>(Rows.size()); }
    std::vector<TLayerRow> Rows;
    int CurrentRow = 0; // 0-based layer index
};
