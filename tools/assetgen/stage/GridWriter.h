#pragma once
#include <filesystem>
#include <vector>

// Writes a stage grid the way the game's loader reads it: one line per row,
// comma-separated decimal integers, no header, a line feed after every row.
bool WriteCsvGrid(const std::filesystem::path& path, const std::vector<std::vector<int>>& grid);

// Writes a grid of single-digit codes the way the title's loader reads it:
// one character per cell ('0' + code), a line feed after every row.
bool WriteDigitGrid(const std::filesystem::path& path, const std::vector<std::vector<int>>& grid);
