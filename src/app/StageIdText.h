#pragma once
#include <string>

// How a stage's id is written in the files kept beside the best results. A player's stage is
// named by its folder, and a folder's name may hold any byte but '/' and NUL: blanks, line
// ends, brackets, bytes that are no text at all. Every id is written so that it reads back as
// itself and can never be taken for another stage's.

// The longest id read back: a folder's name holds at most 255 bytes.
inline constexpr size_t kStageIdBytes = 255;

// An id written as it is: 1 to 64 printable ASCII characters without blanks, '[', ']' or '#',
// not starting with '"'. These are the ids the best-results file has always held.
bool IsPlainStageId(const std::string& id);

// The best-results file's section header of a stage: "[ID]" for a plain id; any other id in
// quotes, with '"', '\' and every byte outside printable ASCII as "\xHH": ["my stage"].
std::string StageSection(const std::string& id);
// Reads a section header (a line starting with '[', a '#' comment may follow); false when it
// is damaged.
bool ReadStageSection(const std::string& line, std::string& id);

// The part of a file name that stands for the stage ("ghost-STEM.bin"): a plain id as it is;
// any other in brackets, each byte but letters, digits, '.', '_' and '-' as "%HH", and a long
// one cut short and ended with '~' and a hash of the whole id, so that the name stays well
// within a file name's 255 bytes. Two ids never share a stem (but for a hash collision).
std::string StageFileStem(const std::string& id);
