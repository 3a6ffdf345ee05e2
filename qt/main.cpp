// zorvane: the calculator window.
#include "qt/window_program.h"

int main(int argc, char* argv[]) {
  return zorvane::qt::RunWindowProgram(argc, argv);
}
