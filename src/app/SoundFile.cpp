#include "app/SoundFile.h"

#include "app/WavReader.h"
#include "platform/SoundConversion.h"

bool ReadSoundFile(const std::string& path, SoundFile& out, std::string& error)
{
    out = {};
    CWavReader reader;
    if (reader.Open(path) != CWavReader::kOk) {
        error = reader.Error();
        return false;
    }
    // DataSize never exceeds what the file holds, whatever the data chunk claims.
    if (!platform::CheckSoundSize(*reader.Format(), reader.DataSize(), error)) return false;
    out.format = *reader.Format();
    out.samples.resize(reader.DataSize());
    uint32_t bytesRead = 0;
    if (reader.Read(static_cast<uint32_t>(out.samples.size()), out.samples.data(), bytesRead) != CWavReader::kOk) {
        error = reader.Error();
        out = {};
        return false;
    }
    out.missingBytes = reader.MissingDataBytes();
    return true;
}
