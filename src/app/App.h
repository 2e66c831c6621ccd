#pragma once

namespace App {

// Starts the windowed application; returns its exit status.
int run(int argc, char* argv[]);

}  // namespace App
