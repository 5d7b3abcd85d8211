// The floor for a whole process: a C++ program that prints one line.
#include <cstdio>

int main() {
  std::puts("27. oktoober 1980");
  return 0;
}
