#pragma once

#include <optional>

struct CommandLine;

// What the program does without a window: the usage, the version and the reports for
// scripts. Needs no display and loads no window code.
namespace ConsoleCommands {

// The exit code when `commandLine` asks for one of these (or is wrong), having written
// its output; nothing when the windows are wanted.
std::optional<int> run(const CommandLine &commandLine);

} // namespace ConsoleCommands
