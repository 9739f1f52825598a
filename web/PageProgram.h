#pragma once
// The page's one program, for the exports beside PageExports.cpp; null until
// orvalde_start.

#include <string>

namespace orvalde {

class WebOrvalde;

WebOrvalde* PageProgram();

// Keeps `text` until the next call and returns it for the page to read.
const char* HandToPage(std::string text);

}  // namespace orvalde
