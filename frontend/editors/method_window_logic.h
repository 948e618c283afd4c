#pragma once
// The rules of the computation-methods window without its widgets: the state of its controls,
// which controls are enabled or visible, Select All and Clear Selections, and what closing the
// window stores into the project (including the layer tables kept consistent with the methods).
#include <array>

class TProgramData;
class TProjectTables;

struct TMethodChoices {
    int TransferMethod = 4;              // radio button on the load-settlement page, 1 ... 9
    std::array<bool, 9> Checked{};       // capacity check boxes, method codes 1 ... 9 at 0 ... 8
    bool Tension = false;
    double TensionFactor = 1.0;          // the reduction-factor field
    bool Drained = false;
    bool Reduced = false;
    int CriticalDepthMode = 0;
    double CriticalDepth = 0.0;
};

struct TMethodEnabling {
    std::array<bool, 9> LsVisible{};     // the "LS" label beside each capacity check box
    std::array<bool, 9> MethodEnabled{}; // the radio button and the check box of each method
    bool CriticalChoices = false;        // the three critical-depth choices and their note
    bool CriticalField = false;          // the critical-depth field and its label
    bool DrainChoice = false;
    bool TensionField = false;           // the tension reduction factor and its note
};

class TMethodWindowLogic {
public:
    static TMethodChoices Load(const TProgramData& project);
    // The check box of the load-settlement method cannot stay unchecked.
    static void ApplyRules(TMethodChoices& choices);
    static TMethodEnabling Enabling(const TMethodChoices& choices, int offshoreEdition);
    static void SelectAll(TMethodChoices& choices, int offshoreEdition);
    static void ClearSelections(TMethodChoices& choices);
    // Silt layers are allowed only when USACE is the only selected capacity method.
    static bool SiltAllowed(const std::array<int, 9>& methods);
    // Stores the choices in order: transfer method (a non-FHWA method clears the taper angle),
    // visibility of the user-specified columns, methods, loading, clay condition and curve
    // factors, critical depth, and the conversion of silt layers that are no longer allowed.
    static void Store(const TMethodChoices& choices, TProgramData& project, TProjectTables& tables);
    // Shows the user-specified unit-value columns of every layer table and of the templates
    // exactly when `visible`.
    static void SetUserColumnsVisible(TProjectTables& tables, bool visible);
};
