#pragma once
#include <string>

// Runs a shell command; returns its exit status and what it wrote to standard error.
struct ProcessResult {
    int exitCode = -1;
    std::string err;
};
ProcessResult RunCommand(const std::string& command);

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);
