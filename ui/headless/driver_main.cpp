// tagwright-driver: reads a scenario script on standard input (see the
// protocol description in the project's documents) and prints the answers of
// its queries on standard output.
#include <iostream>

#include "ui/headless/driver.h"

int main() {
  std::ios::sync_with_stdio(false);
  try {
    tagwright::headless::Driver driver(std::cout, std::cerr);
    return driver.run(std::cin);
  } catch (const std::exception& e) {
    std::cerr << "error: " << e.what() << '\n';
    return 1;
  }
}
