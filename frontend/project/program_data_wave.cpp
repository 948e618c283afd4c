// Writing the input file of the GRLWEAP wave-equation program from the results of the last run.
#include <algorithm>

#include "project/atomic_file.h"
#include "project/number_format.h"
#include "project/program_data.h"
#include "project/text_lines.h"

namespace {

constexpr int kPrecastConcrete = 3;
constexpr int kTimber = 2;

// Unit weight of the pile material: lb/ft^3 in English, kN/m^3 in SI.
double PileUnitWeight(int pileType, bool english)
{
    if (pileType == kPrecastConcrete) return english ? 150.0 : 23.56;
    if (pileType == kTimber) return english ? 50.0 : 7.9;
    return english ? 492.0 : 77.28;
}

std::string TitleField(const std::string& title)
{
    std::string field = title.substr(0, std::min<std::size_t>(title.size(), 40));
    field.resize(40, ' ');
    return field;
}

} // namespace

std::string TProgramData::WaveText()
{
    const bool english = Units == 1;
    const int n = std::clamp<int>(WavePointCount, 0, kWaveEntries);
    // With no kept results the penetration is 0.
    const double penetration = n > 0 ? WaveDepth[static_cast<std::size_t>(n - 1)] : 0.0;
    if (Circular) Perimeter = OuterDiameter * 3.1416;
    double area = (OuterDiameter * OuterDiameter - InnerDiameter * InnerDiameter) * 0.7854;
    if (!english) area /= 100.0; // mm^2 to cm^2

    TTextLines out;
    out.Raw(TitleField(Title) + "  VER. 2000" + (english ? " 1 0" : " 0 0")).EndLine();
    out.Raw("-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000").EndLine();
    out.Raw(english ? "   32.1700   32.1700" : "    9.8100    9.8100").EndLine();
    out.Raw("      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00").EndLine();
    out.Raw("   3600.00    207.00    0.0000    0.5000    3.0000         0").EndLine();
    for (double value : {penetration, area, Modulus / 1000.0, PileUnitWeight(PileType, english),
                         Perimeter / (english ? 12.0 : 1000.0)})
        out.Raw("  " + FormatExponent3(value));
    out.Raw("     4.000     1.000     0.010").EndLine();
    for (int i = 0; i < 2; ++i)
        out.Raw("     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000").EndLine();
    for (int i = 0; i < 2; ++i) out.Raw("    0.0000    0.0000    0.0000    0.0000").EndLine();
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        out.Raw(" " + FormatExponent3Short(WaveDepth[i]) + " " + FormatExponent3Short(WaveSkin[i]) + " " +
                FormatExponent3Short(WaveTip[i]));
        out.Raw(english ? "   0.100   0.600   0.200   0.150   2.000    6.56    1.00"
                        : "   2.540   5.000   0.160   0.500   1.000    1.50    1.00")
            .EndLine();
    }
    for (int i = 0; i < 2; ++i)
        out.Raw("  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000").EndLine();
    for (double f : {0.25, 0.5, 0.75, 1.0})
        out.Raw("  " + FormatExponent3(penetration * f) +
                "      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000")
            .EndLine();
    out.Raw("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000").EndLine();
    return out.Text();
}

void TProgramData::WriteWaveFile()
{
    WaveFileName = ChangeFileExtension(FileName, ".gwi");
    WriteFileReplacing(WaveFileName, WaveText());
}
