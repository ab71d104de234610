#pragma once

namespace ostrel {

// Until startupDone(), Qt's own messages are held back, and a fatal one (no display could be
// opened) becomes a single line on stderr and exit code 2, instead of an abort and a core dump.
void reportStartFailuresPlainly();
void startupDone();

}  // namespace ostrel
