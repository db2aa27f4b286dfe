#include "settings/atomic_write.h"

namespace orvanta {

FsResult replace_file_atomically(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string temporary = fs.temporary_path_for(path);
  FsResult result = fs.write_file(temporary, bytes);
  if (!result.ok && result.not_opened && fs.file_exists(path)) return fs.write_file(path, bytes);
  if (result.ok) result = fs.replace_file(temporary, path);
  if (!result.ok) fs.remove_file(temporary);
  return result;
}

}  // namespace orvanta
