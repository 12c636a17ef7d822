#pragma once

namespace parlavo {

// Whether the sound server answers a connection within the given time. The sound system's own start-up waits for
// the server without a limit, holding a lock that the process needs again when it ends, so a server that accepts
// connections but never answers would hang the program at its exit; this look comes first, and gives up in time.
// Blocks the calling thread for at most timeoutMs.
bool soundServerAnswers(int timeoutMs);

} // namespace parlavo
