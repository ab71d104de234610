#pragma once

#include "formtao.h"

namespace ostrel {

// The whole program: Qt, the window, its first draw while hidden, then the event loop; gives the
// exit code. The fault tests pass a runtime wrapper; the program passes none.
int runProgram(int argc, char* argv[], const FormTao::RuntimeWrapper& wrap = {});

// Until startupDone(), Qt's own messages are held back, and a fatal one (no display could be
// opened) becomes a single line on stderr and exit code 2, instead of an abort and a core dump.
void reportStartFailuresPlainly();
void startupDone();

}  // namespace ostrel
