#pragma once
// Shared helper for the Qt control tests: a fixture base that has the
// application ready.

#include <gtest/gtest.h>

#include "surface/qt/Application.h"

namespace orvalde::surfacetest {

// Base classes are built before members, so fixtures' widgets have it.
class WithApp : public ::testing::Test {
protected:
    WithApp() { EnsureQtApplication(); }
};

}  // namespace orvalde::surfacetest
