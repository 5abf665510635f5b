#pragma once
#include <string>

namespace common {
// True when a directory search for the name finds a normal file: a relative name is
// looked up in the current directory, * and ? in the name are a pattern, and
// directories and hidden files are not found.
bool fileExists(const std::string& name);
} // namespace common
