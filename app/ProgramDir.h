#pragma once

#include <string>

// The folder of the data files (settings, language and help files), ending
// with a separator. A build tree keeps them next to the program; an installed
// program in <prefix>/bin finds them in <prefix>/share/kx40.
std::string ProgramDir();

// The same for a program in `programDir`.
std::string DataDirFor(const std::string& programDir);
