#pragma once

#include "radio/Result.h"

#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that a reader sees either the old
// or the new content, never a mix: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the target. On failure the
// old file is untouched and the temporary file is removed. A symbolic link is
// followed, so the file it points at is replaced and the link stays.
Result<void> WriteFileAtomic(const std::string& path, std::string_view bytes);
