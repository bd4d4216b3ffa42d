#pragma once

namespace table {

// With TABLE_STARTUP_TRACE set, prints to standard error how many milliseconds after the
// process started each named point of the start was reached, and how many page faults the
// calling thread had taken by then; otherwise does nothing. Set to the launch time in
// nanoseconds (TABLE_STARTUP_TRACE=$(date +%s%N) Table), it counts from then.
void StartupCheckpoint(const char* name);

}  // namespace table
