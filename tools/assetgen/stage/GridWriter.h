#pragma once
#include <filesystem>
#include <string>
#include <vector>

// A stage grid's file the way the game's loader reads it: one line per row,
// comma-separated decimal integers, no header, a line feed after every row.
std::string CsvGridText(const std::vector<std::vector<int>>& grid);

// Writes a grid of single-digit codes the way the title's loader reads it:
// one character per cell ('0' + code), a line feed after every row.
bool WriteDigitGrid(const std::filesystem::path& path, const std::vector<std::vector<int>>& grid);
