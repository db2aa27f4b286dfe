#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace orvanta {

// Replaces the file at `path` with `bytes` so that a crash or a full disk leaves either the old
// file or the new one, never a truncated one: the bytes go to a temporary file in the same
// folder, which then takes the old file's place. A folder that takes no new file (its
// permissions allow changing the files in it, not adding one) gets the existing file written in
// place and flushed instead: not proof against a crash, but the only write such a folder allows.
FsResult replace_file_atomically(FileSystem& fs, const std::string& path, std::string_view bytes);

}  // namespace orvanta
