#pragma once

namespace zorvane::bench {

// A measuring aid for Windows programs: once a top-level window of this thread
// has first been painted, writes to standard error the wall-clock time as
// "zorvane: first paint at NS" (nanoseconds since 1970, the clock a launching
// script reads) and the process's working set as "zorvane: working set KB".
void InstallFirstPaintProbe();

}  // namespace zorvane::bench
