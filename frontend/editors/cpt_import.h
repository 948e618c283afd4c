#pragma once
// Reading cone-penetration points from a text file of the user's layout (header lines, data
// lines, columns per line) and the three profiles drawn from them: the cone resistance qc and
// the SPT blow count and undrained shear strength converted from it.
#include <string>
#include <vector>

#include "project/program_data.h"

class TMessageLayer;

enum class TCptConversion { Qc, Spt, Su };

struct TCptImportSettings {
    std::string FileName;
    double DataLines = 2;   // N
    double HeaderLines = 0; // H
    double Columns = 2;     // C
    double Ua = 1;          // unit conversion factor for stress
};

struct TCptGraphTexts {
    std::string Caption;
    std::string XCaption;
    std::string YCaption;
    std::string CurveName;
};

// X of a point from the second number v of its line.
double ConvertedCptValue(TCptConversion conversion, double v, double ua, int units);
TCptGraphTexts CptGraphTexts(TCptConversion conversion, int units);

// Reads the points (X converted, Y the depth). A reading failure shows "There was an error
// reading the input CPT file." and returns false; the points read before it stay in `points`.
bool ImportCpt(const TCptImportSettings& settings, TCptConversion conversion, int units,
               std::vector<TCptPoint>& points, TMessageLayer& messages);
