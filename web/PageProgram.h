#pragma once
// The page's one program, for the exports beside PageExports.cpp; null until
// orvalde_start.

namespace orvalde {

class WebOrvalde;

WebOrvalde* PageProgram();

}  // namespace orvalde
