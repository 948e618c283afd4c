#include "editors/cpt_import.h"

#include <cmath>

#include "project/in_out_error.h"
#include "project/message_layer.h"
#include "results/word_reader.h"

double ConvertedCptValue(TCptConversion conversion, double v, double ua, int units)
{
    switch (conversion) {
    case TCptConversion::Spt: return units == 2 ? ua * v / 280 : ua * v * 47.875 / 280;
    case TCptConversion::Su: return ua * v / 15;
    default: return ua * v;
    }
}

TCptGraphTexts CptGraphTexts(TCptConversion conversion, int units)
{
    const bool si = units == 2;
    const std::string depth = si ? "Depth, m" : "Depth, ft";
    switch (conversion) {
    case TCptConversion::Spt: return {"Converted SPT from CPT Data", "SPT, N", depth, "Converted SPT"};
    case TCptConversion::Su:
        return {"Converted Undrained Shear Strength Su from CPT Data",
                si ? "Undrained Shear Strength Su, kPa" : "Undrained Shear Strength Su, k/ft^2", depth, "Converted Su"};
    default: return {"CPT Profile", si ? "Qc, kPa" : "Qc, ksf", depth, "CPT Data"};
    }
}

bool ImportCpt(const TCptImportSettings& s, TCptConversion conversion, int units, std::vector<TCptPoint>& points,
               TMessageLayer& messages)
{
    const long n = std::lround(s.DataLines);
    const long h = std::lround(s.HeaderLines);
    const long c = std::lround(s.Columns);
    points.clear();
    try {
        TWordReader reader(s.FileName);
        for (long i = 0; i < h; ++i) reader.ReadLine();
        for (long i = 0; i < n; ++i) {
            TCptPoint point;
            double second = 0.0;
            for (long k = 0; k < c; ++k) {
                const double value = reader.ReadFloat();
                if (k == 0) point.Y = value;
                if (k == 1) second = value;
            }
            point.X = ConvertedCptValue(conversion, second, s.Ua, units);
            points.push_back(point);
            reader.ReadLine();
        }
    } catch (const EInOutError&) {
        messages.Information("There was an error reading the input CPT file.");
        return false;
    }
    return true;
}
