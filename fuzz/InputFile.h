#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

inline void WriteInput(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

// The game reads files by path, so each input is written to a file of this process first.
inline const std::string& InputFile(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/zem-fuzz-input-" + std::to_string(getpid());
    WriteInput(path, data, size);
    return path;
}

// For a reader that finds its file by name in a folder (a stage's "Stage.ini"): the input is
// written as `name` in a folder of this process, and the folder is returned.
inline const std::filesystem::path& InputFolder(const uint8_t* data, size_t size, const char* name)
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made = "/tmp/zem-fuzz-folder-" + std::to_string(getpid());
        std::filesystem::create_directories(made);
        return made;
    }();
    WriteInput((folder / name).string(), data, size);
    return folder;
}
