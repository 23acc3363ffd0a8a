#include "cli/command.hpp"

int main(int argc, char** argv) {
    return nemox::cli::run_command(argc, argv, nemox::roads::Verification{});
}
