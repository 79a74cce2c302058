// The `save dump` and `save check` subcommands, built when tools/save_cmd.cpp is present.
#pragma once

#include <CLI/CLI.hpp>

void AddSaveCommands(CLI::App& app);
