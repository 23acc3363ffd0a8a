#pragma once

#include "roads/roads.hpp"

namespace nemox::cli {

// The whole command, as `main` runs it; `checks` is what --verify runs
// (the product's default, or one a test spoils to watch it catch a wrong
// answer end to end).
int run_command(int argc, char** argv, const roads::Verification& checks);

}  // namespace nemox::cli
