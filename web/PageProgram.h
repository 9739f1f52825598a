#pragma once
// The page's one program, for the exports beside PageExports.cpp; null until
// orvalde_start. And the page's language, which the page sets.

namespace orvalde {

class Translator;
class WebOrvalde;

WebOrvalde* PageProgram();
const Translator& PageLanguage();

}  // namespace orvalde
