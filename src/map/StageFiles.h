#pragma once
#include <string>
#include <vector>

#include "map/StageGrid.h"

// The fields of a line up to each delimiter: a delimiter at the end makes no empty last
// field, two adjacent ones make an empty field, an empty line has none.
std::vector<std::string> Split(const std::string& line, char delimiter);

// Reads a comma-separated stage file into `grid`: line n is row n, field m column m.
// A missing file leaves the grid as it is. Cells the file does not reach keep their values;
// lines and fields beyond the grid are ignored; a field that is not a number in the 32-bit
// range is reported on standard error (file, row, column) and its cell keeps its value.
// Returns false when the file could not be opened.
bool LoadStageCsv(const std::string& path, StageGrid& grid);

// Reads "TitleMap.txt"-style text, one digit per cell, a line feed ending each row, and
// writes "OK\n\n" or "NG\n\n" to standard output. Characters beyond the grid are ignored.
bool LoadTitleMapFile(const std::string& path, TitleGrid& grid);
