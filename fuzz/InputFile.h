#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The game reads files by path, so each input is written to a file of this process first.
inline const std::string& InputFile(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/zem-fuzz-input-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}
