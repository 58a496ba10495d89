#pragma once
#include <string>
#include <vector>

#include "map/StageGrid.h"

// The fields of a line up to each delimiter: a delimiter at the end makes no empty last
// field, two adjacent ones make an empty field, an empty line has none.
std::vector<std::string> Split(const std::string& line, char delimiter);

// Reads a comma-separated stage file into `grid`: line n is row n, field m column m.
// Cells the file does not reach keep their values. Only what the grid can hold is read:
// fields past the last column and lines past the last row are skipped with one line on
// standard error, and no line or field is ever held whole, so memory stays fixed whatever
// the file holds. A field that is not a number in the 32-bit range keeps its cell's value;
// the first few are named on standard error (file, row, column), the rest counted in one line.
// A file that cannot be opened or read is named in one line; the result is then false.
bool LoadStageCsv(const std::string& path, StageGrid& grid);

// Reads "TitleMap.txt"-style text, one digit per cell, a line feed ending each row, and
// writes "OK\n\n" or "NG\n\n" to standard output. Characters beyond the grid are ignored.
bool LoadTitleMapFile(const std::string& path, TitleGrid& grid);
