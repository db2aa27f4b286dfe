// Feeds every file of the given folders (or the given files) to LLVMFuzzerTestOneInput once, as
// libFuzzer does when it replays a corpus, so the native build checks every committed input
// without clang. A failed invariant aborts with the input's path on standard error.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << "replay: cannot read " << path << "\n";
    std::exit(2);
  }
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::cerr << "replay: " << path.string() << "\n";
  // A copy of exactly the file's size, so reading past its end is an ASan report as in libFuzzer.
  std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER_OR_FILE...\n";
    return 2;
  }
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path root(argv[i]);
    if (std::filesystem::is_directory(root)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
      std::sort(files.begin(), files.end());
      for (const auto& file : files) replay(file);
      inputs += static_cast<int>(files.size());
    } else {
      replay(root);
      ++inputs;
    }
  }
  if (inputs == 0) {
    std::cerr << "replay: no inputs in " << argv[1] << "\n";
    return 2;
  }
  std::cout << "replay: " << inputs << " inputs passed\n";
  return 0;
}
