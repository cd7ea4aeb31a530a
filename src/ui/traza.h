// Start-up trace: with SENDARO_TRAZA set, each mark prints to stderr the
// milliseconds since the program's static initialisation and the thread's
// processor time, so that the costs of start-up can be told apart. Without
// it a mark costs one test of a flag.
#pragma once

namespace sendaro {

void Traza(const char* marca);

}  // namespace sendaro
