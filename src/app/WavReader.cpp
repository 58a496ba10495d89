#include "app/WavReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include "platform/RegularFile.h"

namespace {

constexpr uint32_t FourCC(const char (&text)[5])
{
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}

constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kWave = FourCC("WAVE");
constexpr uint32_t kFmt = FourCC("fmt ");
constexpr uint32_t kData = FourCC("data");
constexpr uint16_t kFormatPcm = 1;
constexpr uint32_t kFormatFieldsSize = 16; // the fields every "fmt " chunk starts with
constexpr uint32_t kFormatRecordSize = 18; // those fields plus the extra size

uint16_t Le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

} // namespace

int CWavReader::Fail(std::string reason)
{
    mError = std::move(reason);
    return kFail;
}

bool CWavReader::ReadBytes(void* destination, uint64_t count)
{
    mFile.read(static_cast<char*>(destination), static_cast<std::streamsize>(count));
    return static_cast<uint64_t>(mFile.gcount()) == count;
}

int CWavReader::Open(const std::string& path)
{
    mpFormat.reset();
    Close();
    mError.clear();

    std::string problem;
    if (!platform::IsRegularFile(path, problem)) return Fail(problem);
    errno = 0;
    mFile.open(path, std::ios::binary);
    if (!mFile.is_open()) return Fail(errno != 0 ? std::strerror(errno) : "cannot open the file");
    mFile.seekg(0, std::ios::end);
    const std::streamoff end = mFile.tellg();
    if (end < 0) {
        Close();
        return Fail("cannot tell the file's size");
    }
    mFileSize = static_cast<uint64_t>(end);

    int result = ReadFormat();
    if (result != kOk) {
        Close();
        return result;
    }
    result = Rewind();
    if (result != kOk) Close();
    return result;
}

int CWavReader::ReadFormat()
{
    mpFormat.reset();
    if (!mFile.is_open()) return Fail("no file is open");

    uint8_t header[12];
    mFile.clear();
    mFile.seekg(0);
    if (!ReadBytes(header, sizeof(header)) || Le32(header) != kRiff || Le32(header + 8) != kWave)
        return Fail("not a RIFF WAVE file");
    mRiffChunk = {kRiff, Le32(header + 4), kWave, 8};
    // A RIFF size that claims more than the file holds is cut to the file.
    mRiffEnd = std::min<uint64_t>(mRiffChunk.dataOffset + mRiffChunk.size, mFileSize);

    ChunkInfo fmt;
    if (!FindChunk(kFmt, fmt)) return Fail("no \"fmt \" chunk");
    const std::string where = "\"fmt \" chunk at byte " + std::to_string(fmt.dataOffset - 8);
    if (fmt.size < kFormatFieldsSize)
        return Fail(where + " is " + std::to_string(fmt.size) + " bytes, shorter than 16");

    uint8_t fields[kFormatRecordSize] = {};
    if (!ReadBytes(fields, kFormatFieldsSize)) return Fail(where + " is cut short by the end of the file");

    auto format = std::make_unique<platform::WaveFormat>();
    format->formatTag = Le16(fields);
    format->channels = Le16(fields + 2);
    format->samplesPerSec = Le32(fields + 4);
    format->avgBytesPerSec = Le32(fields + 8);
    format->blockAlign = Le16(fields + 12);
    format->bitsPerSample = Le16(fields + 14);

    // PCM has no extra bytes whatever the chunk holds after the 16 fields. Another format
    // keeps its extra bytes; a 16-byte chunk simply has none (reading on would take the
    // next chunk's header for an extra size).
    if (format->formatTag != kFormatPcm && fmt.size >= kFormatRecordSize) {
        if (!ReadBytes(fields + kFormatFieldsSize, 2)) return Fail(where + " is cut short by the end of the file");
        const uint16_t extraSize = Le16(fields + kFormatFieldsSize);
        if (extraSize > fmt.size - kFormatRecordSize) {
            return Fail(where + ": extra size " + std::to_string(extraSize) + " is larger than the chunk (" +
                        std::to_string(fmt.size) + " bytes)");
        }
        // The chunk's size is only claimed: memory is taken for no more than the file holds.
        const uint64_t extraStart = fmt.dataOffset + kFormatRecordSize;
        if (extraStart + extraSize > mFileSize) return Fail(where + " is cut short by the end of the file");
        format->extra.resize(extraSize);
        if (!ReadBytes(format->extra.data(), extraSize)) return Fail(where + " is cut short by the end of the file");
    }
    mpFormat = std::move(format);
    return kOk;
}

bool CWavReader::FindChunk(uint32_t id, ChunkInfo& found)
{
    // Chunks follow the form type; an odd-sized chunk is followed by one pad byte.
    uint64_t position = mRiffChunk.dataOffset + 4;
    while (position + 8 <= mRiffEnd) {
        uint8_t header[8];
        mFile.clear();
        mFile.seekg(static_cast<std::streamoff>(position));
        if (!ReadBytes(header, sizeof(header))) return false;
        const uint32_t size = Le32(header + 4);
        if (Le32(header) == id) {
            found = {id, size, 0, position + 8};
            return true;
        }
        position += 8 + static_cast<uint64_t>(size) + (size & 1);
    }
    return false;
}

int CWavReader::Rewind()
{
    if (!mFile.is_open()) return Fail("no file is open");
    ChunkInfo data;
    if (!FindChunk(kData, data)) return Fail("no \"data\" chunk");

    // Only what the file really holds is ever read; the missing rest is left silent.
    const uint64_t available = mFileSize - data.dataOffset;
    mMissingDataBytes = data.size > available ? data.size - available : 0;
    data.size = static_cast<uint32_t>(std::min<uint64_t>(data.size, available));
    mDataChunk = data;

    mFile.clear();
    mFile.seekg(static_cast<std::streamoff>(mDataChunk.dataOffset));
    if (!mFile) return Fail("cannot seek to the \"data\" chunk");
    return kOk;
}

int CWavReader::Read(uint32_t size, uint8_t* destination, uint32_t& bytesRead)
{
    bytesRead = 0;
    if (!mFile.is_open()) return Fail("no file is open");
    const uint32_t wanted = std::min(size, mDataChunk.size);
    mFile.read(reinterpret_cast<char*>(destination), wanted);
    bytesRead = static_cast<uint32_t>(mFile.gcount());
    mDataChunk.size -= bytesRead;
    if (bytesRead < wanted) return Fail("the file ended inside the \"data\" chunk");
    return kOk;
}

void CWavReader::Close()
{
    if (mFile.is_open()) mFile.close();
    mFile.clear();
}
