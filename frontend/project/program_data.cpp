#include "project/program_data.h"

#include <algorithm>

#include "project/project_tables.h"

namespace {

// Conversion factors of the scalar project values, SI to English and English to SI.
struct TScalarFactors {
    double Force;       // kN <-> lb
    double MetreInch;   // m <-> in
    double MmInch;      // mm <-> in
    double MetreFoot;   // m <-> ft
};

constexpr TScalarFactors kSIToEnglish{224.8089237, 39.37007874, 0.03937007874, 3.280839895};
constexpr TScalarFactors kEnglishToSI{0.00444822199911631, 0.0254, 25.4, 0.3048};

} // namespace

TProgramData TProgramData::Create(TProjectTables& tables)
{
    tables.SetUnits(1);
    tables.Reset();
    return TProgramData{};
}

void TProgramData::SetUnits(int system, TProjectTables& tables)
{
    system = std::clamp(system, 1, 2);
    if (system == Units) return;
    Units = system;
    tables.SetUnits(system);
    const TScalarFactors& f = system == 1 ? kSIToEnglish : kEnglishToSI;
    const double s = f.MmInch;
    const double l = f.MetreInch;
    const double p = f.MetreFoot;
    Perimeter *= s;
    OuterDiameter *= s;
    InnerDiameter *= s;
    EndSectionDiameter *= s;
    TipArea *= l * l;
    SectionArea *= l * l;
    Modulus *= f.Force / (l * l);
    // The CPT points are held in the system's own units (ft and ksf, or m and kPa) and are
    // written with the system's flag, so they change with it.
    const double coneFactor = f.Force / (p * p) * (system == 1 ? 0.001 : 1000.0);
    for (TCptPoint& point : CptPoints) {
        point.X *= coneFactor;
        point.Y *= p;
    }
    for (double* length : {&TotalLength, &EndSectionLength, &ZeroFrictionLength, &StickupLength, &Increment,
                           &LastLayerBottom, &CriticalDepth})
        *length *= p;
}

std::string ChangeFileExtension(const std::string& path, const std::string& extension)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + extension;
    return path.substr(0, dot) + extension;
}
