#pragma once
// Writing a whole text file so that a failure never destroys the file it replaces: the text
// goes to a temporary file in the same folder, which is renamed over the target only after
// everything was written and flushed.
#include <string>

// Raises EInOutError when the file cannot be created, written or renamed; the target is then
// unchanged and the temporary file removed.
void WriteFileReplacing(const std::string& path, const std::string& content);
