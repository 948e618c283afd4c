#include "editors/option_windows_logic.h"

#include <cmath>

#include "project/program_data.h"

double ShownIncrement(double increment) { return increment < 0.000001 ? 1.0 : increment; }

int StoredPrintEvery(double fieldValue) { return static_cast<int>(std::lround(fieldValue)); }

bool StoreTitle(TProgramData& project, const std::string& title, const std::string& designer,
                const std::string& jobNumber)
{
    project.Designer = designer;
    project.JobNumber = jobNumber;
    if (title == project.Title) return false;
    project.Title = title;
    return true;
}

std::string TitleLine(const std::string& text)
{
    std::string line;
    for (char c : text)
        if (c != '\r' && c != '\n') line += c;
    if (line.size() > 80) line.resize(80);
    return line;
}
