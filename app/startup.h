#pragma once

#include "formtao.h"

namespace ostrel {

// The whole program: Qt, the window, its first draw while hidden, then the event loop; gives the
// exit code. The fault tests pass a runtime wrapper; the program passes none.
int runProgram(int argc, char* argv[], const FormTao::RuntimeWrapper& wrap = {});

}  // namespace ostrel
