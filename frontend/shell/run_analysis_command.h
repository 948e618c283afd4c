// Computation > Run Analysis of the main window: save the project, check the taper, run the
// engine on it, show the completion message, load the results and write the GRLWEAP file.
#pragma once

namespace corvex {

class TMainForm;

void RunAnalysis(TMainForm& form);

}  // namespace corvex
