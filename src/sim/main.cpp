#include <fstream>
#include <iostream>

#include "sim/sim.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: orvanta-sim [FILE]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "orvanta-sim: cannot open " << argv[1] << "\n";
      return 2;
    }
    return orvanta::sim::run_script(file, std::cout, std::cerr);
  }
  return orvanta::sim::run_script(std::cin, std::cout, std::cerr);
}
