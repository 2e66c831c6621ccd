#pragma once

namespace SelfCheck {

// Runs the built-in parser, builder and catalog checks; returns the exit status.
int runParseChecks();

}  // namespace SelfCheck
