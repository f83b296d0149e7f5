#pragma once

namespace fw {

// Thrown by RuntimeBackgroundTask once the application is quitting, to
// unwind program code that is still inside a long loop. It deliberately
// derives from nothing: no `catch (RuntimeException&)` or
// `catch (std::exception&)` of the program stops it, and the dispatch
// boundary that started that code takes it silently.
struct QuitUnwind final {
};

} // namespace fw
