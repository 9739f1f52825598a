#pragma once
// The page's one program, for the exports beside PageExports.cpp; null until
// orvalde_start. And the page's language, which the page sets.

#include <string>

namespace orvalde {

class Translator;
class WebOrvalde;

WebOrvalde* PageProgram();
const Translator& PageLanguage();

// Keeps `text` until the next call and returns it for the page to read.
const char* HandToPage(std::string text);

}  // namespace orvalde
