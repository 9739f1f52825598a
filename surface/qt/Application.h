#pragma once
// One QApplication for tools, benchmarks and tests that run without the
// program's own main: created on first use, on the offscreen platform unless
// another is asked for.

namespace orvalde {

void EnsureQtApplication();

}  // namespace orvalde
