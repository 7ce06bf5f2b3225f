#pragma once

#include <string>

// Folder of the running program file, ending with a separator: where the
// settings, language and help files are looked up.
std::string ProgramDir();
