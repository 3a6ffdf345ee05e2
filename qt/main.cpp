// zorvane: the calculator window.
#include "window_program.h"

int main(int argc, char* argv[]) {
  return zorvane::qt::RunWindowProgram(argc, argv);
}
