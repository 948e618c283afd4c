#pragma once
// The rules of the pile-material window without its widgets: which fields are enabled, the
// cross-section area calculated from the section, and what closing the window stores.
class TProgramData;

struct TMaterialChoices {
    int PileType = 1;          // 1 ... 7
    bool CircularShape = true; // precast concrete: "Circular/Tubular" (else square/rectangular)
    int AreaMode = 0;          // 0 calculated, 1 constant, 2 along the pile
    double TaperAngle = 0.0;
    double Modulus = 0.0;
    double SectionArea = 0.0;
};

struct TMaterialEnabling {
    bool Taper = false;
    bool ShapeChoice = false;
    bool ConstantArea = false;
    bool AreaTable = false;
};

class TMaterialLogic {
public:
    static TMaterialChoices Load(const TProgramData& project);
    static TMaterialEnabling Enabling(const TMaterialChoices& choices, const TProgramData& project);
    // The area calculated from the section in the project's units (in^2 or m^2).
    static double CalculatedArea(const TMaterialChoices& choices, const TProgramData& project);
    // Whether a pile of the type (and, for precast concrete, the shape) has a circular section.
    static bool IsCircular(int pileType, bool circularShape);
    static void Store(const TMaterialChoices& choices, TProgramData& project);
};
