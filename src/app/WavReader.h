#pragma once
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "platform/Audio.h"

// Reads a RIFF WAVE file: its wave format record and then its sample bytes.
// Nothing it reads is trusted: every size is checked against what the file really holds.
class CWavReader {
public:
    static constexpr int kOk = 0;
    static constexpr int kFail = -1;

    // One chunk of the file as the reader walked it.
    struct ChunkInfo {
        uint32_t id = 0;
        uint32_t size = 0;       // for the data chunk after Rewind: the sample bytes not yet read
        uint32_t formType = 0;   // RIFF chunk only
        uint64_t dataOffset = 0; // where the chunk's content starts in the file
    };

    CWavReader() = default;
    ~CWavReader() { Close(); }
    CWavReader(const CWavReader&) = delete;
    CWavReader& operator=(const CWavReader&) = delete;

    // Opens the file, reads its format and places the reader at the first sample byte.
    int Open(const std::string& path);
    int ReadFormat();
    // Back to the first sample byte; the data chunk's size is again every sample byte.
    int Rewind();
    // Copies up to `size` sample bytes; `bytesRead` says how many arrived.
    int Read(uint32_t size, uint8_t* destination, uint32_t& bytesRead);
    void Close();

    // Null until a format is read.
    const platform::WaveFormat* Format() const { return mpFormat.get(); }
    // Sample bytes not yet read (never more than the file holds).
    uint32_t DataSize() const { return mDataChunk.size; }
    // Sample bytes the data chunk declares but the file does not hold.
    uint64_t MissingDataBytes() const { return mMissingDataBytes; }
    // Why the last call failed, in words.
    const std::string& Error() const { return mError; }

private:
    int Fail(std::string reason);
    // Walks the chunks of the RIFF chunk from its first one and stops at the one named `id`.
    bool FindChunk(uint32_t id, ChunkInfo& found);
    bool ReadBytes(void* destination, uint64_t count);

    std::unique_ptr<platform::WaveFormat> mpFormat;
    std::ifstream mFile;
    ChunkInfo mDataChunk;
    ChunkInfo mRiffChunk;
    uint64_t mFileSize = 0;
    uint64_t mRiffEnd = 0; // the end of the RIFF chunk, never past the end of the file
    uint64_t mMissingDataBytes = 0;
    std::string mError;
};
