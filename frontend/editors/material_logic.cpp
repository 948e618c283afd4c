#include "editors/material_logic.h"

#include "project/program_data.h"

namespace {
constexpr int kSteelPipe = 1;
constexpr int kTimber = 2;
constexpr int kConcrete = 3;
constexpr int kStepTaper = 4;
constexpr int kUniformTaper = 5;
constexpr int kHPile = 6;
constexpr int kMonotube = 7;
// The constant of the area formula as the program has always used it.
constexpr double kPi = 3.1416;
} // namespace

TMaterialChoices TMaterialLogic::Load(const TProgramData& p)
{
    TMaterialChoices c;
    c.PileType = p.PileType;
    c.CircularShape = p.Circular;
    c.AreaMode = p.AreaMode;
    c.TaperAngle = p.TaperAngle;
    c.Modulus = p.Modulus;
    c.SectionArea = p.SectionArea;
    const TMaterialEnabling e = Enabling(c, p);
    if (!e.Taper) c.TaperAngle = 0.0;
    if (!e.ConstantArea) c.SectionArea = 0.0;
    return c;
}

TMaterialEnabling TMaterialLogic::Enabling(const TMaterialChoices& c, const TProgramData& p)
{
    TMaterialEnabling e;
    const bool tapered = c.PileType == kTimber || c.PileType == kStepTaper || c.PileType == kUniformTaper ||
                         c.PileType == kMonotube;
    e.Taper = p.Method(1) == 1 && tapered;
    e.ShapeChoice = c.PileType == kConcrete;
    e.ConstantArea = c.AreaMode == 1;
    e.AreaTable = c.AreaMode == 2;
    return e;
}

double TMaterialLogic::CalculatedArea(const TMaterialChoices& c, const TProgramData& p)
{
    if (c.PileType == kHPile || (c.PileType == kConcrete && !c.CircularShape)) return p.TipArea;
    const double od = p.OuterDiameter;
    const double id = p.InnerDiameter;
    double area = c.PileType == kSteelPipe ? kPi * (od * od - id * id) / 4 : kPi * od * od / 4;
    if (p.Units == 2) area /= 1000000; // mm^2 to m^2
    return area;
}

bool TMaterialLogic::IsCircular(int pileType, bool circularShape)
{
    if (pileType == kHPile) return false;
    if (pileType == kConcrete) return circularShape;
    return true;
}

void TMaterialLogic::Store(const TMaterialChoices& c, TProgramData& p)
{
    p.PileType = c.PileType;
    p.Circular = IsCircular(c.PileType, c.CircularShape);
    p.TaperAngle = p.Method(1) == 1 ? c.TaperAngle : 0.0;
    p.Modulus = c.Modulus;
    p.AreaMode = c.AreaMode;
    p.SectionArea = c.SectionArea;
}
