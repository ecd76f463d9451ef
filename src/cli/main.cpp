// nalo-cli: the scriptable front end over the core.
#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "nalo-cli " << NALO_VERSION << "\n";
    return 0;
  }
  std::cerr << "usage: nalo-cli --version\n";
  return 2;
}
