#include "map/StageFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "app/AssetFiles.h"
#include "app/Quote.h"
#include "platform/RegularFile.h"

namespace {

// Bad fields beyond these many are only counted, in one line at the end.
constexpr int kReportedFields = 5;
// How much of a bad field a message quotes.
constexpr size_t kQuotedChars = 24;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// One field converted as its characters arrive, as the standard base-10 conversion does it
// (leading blanks and a sign accepted, stopping at the first character after the number),
// so a field of any length takes no memory beyond its quoted start.
class FieldConverter {
public:
    void Add(char c)
    {
        // One byte past what a message quotes tells it that the field was cut short.
        if (mStart.size() <= kQuotedChars) mStart += c;
        switch (mPhase) {
        case Phase::Blanks:
            if (IsBlank(c)) return;
            if (c == '+' || c == '-') {
                mNegative = c == '-';
                mPhase = Phase::Sign;
                return;
            }
            [[fallthrough]];
        case Phase::Sign:
            if (c < '0' || c > '9') {
                mPhase = Phase::Invalid;
                return;
            }
            mPhase = Phase::Digits;
            [[fallthrough]];
        case Phase::Digits:
            if (c < '0' || c > '9') {
                mPhase = Phase::Done;
                return;
            }
            // Past 2^31 the exact value no longer matters: it is out of range either way.
            if (mMagnitude <= (int64_t{1} << 31)) mMagnitude = mMagnitude * 10 + (c - '0');
            return;
        case Phase::Done:
        case Phase::Invalid: return;
        }
    }

    bool Empty() const { return mStart.empty(); }

    // False when the field does not begin with a number or the number is outside 32 bits.
    bool Value(int32_t& value) const
    {
        if (mPhase != Phase::Digits && mPhase != Phase::Done) return false;
        const int64_t signedValue = mNegative ? -mMagnitude : mMagnitude;
        if (signedValue < INT32_MIN || signedValue > INT32_MAX) return false;
        value = static_cast<int32_t>(signedValue);
        return true;
    }

    std::string Quoted() const { return Quote(mStart, kQuotedChars); }

private:
    enum class Phase { Blanks, Sign, Digits, Done, Invalid };
    Phase mPhase = Phase::Blanks;
    bool mNegative = false;
    int64_t mMagnitude = 0;
    std::string mStart; // the field's first bytes, as far as a message quotes them
};

// Feeds a stage file byte by byte into the grid: line n is row n, field m column m. Only
// fields inside the grid are converted; the rest of a long line is skipped, and reading
// stops at the first line past the last row.
class StageCsvParser {
public:
    StageCsvParser(const std::string& path, StageGrid& grid) : mPath(path), mGrid(grid) {}

    // Takes the next bytes of the file; false once nothing more can land in the grid.
    bool Feed(const char* data, size_t size)
    {
        const char* const end = data + size;
        while (data < end) {
            if (mRow >= kMapRows) {
                ReportExtra();
                return false;
            }
            if (mSkippingLine) {
                const void* lineFeed = std::memchr(data, '\n', static_cast<size_t>(end - data));
                const char* stop = lineFeed != nullptr ? static_cast<const char*>(lineFeed) : end;
                // A "," after the last column with nothing but the line's end behind it is no extra field.
                if (std::any_of(data, stop, [](char skipped) { return skipped != '\r'; })) ReportExtra();
                if (lineFeed == nullptr) return true;
                data = stop;
            }
            const char c = *data++;
            if (mPendingReturn) {
                mPendingReturn = false;
                if (c != '\n') AddToField('\r');
            }
            if (c == '\n') EndLine();
            else if (c == '\r') mPendingReturn = true;
            else if (c == ',') EndField();
            else AddToField(c);
        }
        return true;
    }

    // The end of the file ends the last line; then the count of unreported bad fields.
    void Finish()
    {
        if (mLineStarted && mRow < kMapRows) EndLine();
        if (mBadFields > kReportedFields) {
            std::fprintf(stderr, "zem: %s: %d more fields are not whole numbers; their cells keep their values\n",
                         QuotePath(mPath).c_str(), mBadFields - kReportedFields);
        }
    }

private:
    void AddToField(char c)
    {
        mLineStarted = true;
        if (mByteOrderMarkLeft > 0) {
            // A UTF-8 byte-order mark at the start of the file is not part of the first field.
            if (static_cast<unsigned char>(c) == kByteOrderMark[3 - mByteOrderMarkLeft]) {
                if (--mByteOrderMarkLeft == 0) mLineStarted = false;
                mMarkBytes += c;
                return;
            }
            mByteOrderMarkLeft = 0;
            for (char markByte : mMarkBytes) mField.Add(markByte);
        }
        mByteOrderMarkLeft = 0;
        mField.Add(c);
    }

    // A "," always ends a field, even an empty one.
    void EndField()
    {
        mLineStarted = true;
        mByteOrderMarkLeft = 0;
        StoreField();
        ++mColumn;
        mField = FieldConverter();
        if (mColumn >= kMapCols) mSkippingLine = true;
    }

    // The end of a line ends its last field only when that field has characters.
    void EndLine()
    {
        mByteOrderMarkLeft = 0;
        if (!mSkippingLine && !mField.Empty()) StoreField();
        mField = FieldConverter();
        mSkippingLine = false;
        mLineStarted = false;
        mColumn = 0;
        ++mRow;
    }

    void StoreField()
    {
        int32_t value = 0;
        int32_t& cell = mGrid[mRow][mColumn];
        if (mField.Value(value)) {
            cell = value;
            return;
        }
        if (++mBadFields <= kReportedFields) {
            std::fprintf(stderr, "zem: %s:%d:%d: %s is not a whole number; the cell keeps %d\n",
                         QuotePath(mPath).c_str(), mRow + 1, mColumn + 1, mField.Quoted().c_str(), cell);
        }
    }

    // Fields past the last column and lines past the last row are not read; one line says so.
    void ReportExtra()
    {
        if (mExtraReported) return;
        mExtraReported = true;
        std::fprintf(stderr, "zem: %s:%d: more than %d rows of %d fields; the rest is ignored\n",
                     QuotePath(mPath).c_str(), mRow + 1, kMapRows, kMapCols);
    }

    static constexpr unsigned char kByteOrderMark[3] = {0xEF, 0xBB, 0xBF};

    const std::string& mPath;
    StageGrid& mGrid;
    FieldConverter mField;
    int mRow = 0;
    int mColumn = 0;
    int mBadFields = 0;
    int mByteOrderMarkLeft = 3;
    std::string mMarkBytes;
    bool mLineStarted = false;
    bool mPendingReturn = false;
    bool mSkippingLine = false;
    bool mExtraReported = false;
};

} // namespace

std::vector<std::string> Split(const std::string& line, char delimiter)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, delimiter)) fields.push_back(field);
    return fields;
}

bool LoadStageCsv(const std::string& path, StageGrid& grid)
{
    std::string problem;
    const platform::FilePtr file = platform::OpenRegularFile(path, problem);
    if (!file) {
        std::fprintf(stderr, "zem: %s: cannot open the stage file (%s)\n", QuotePath(path).c_str(), problem.c_str());
        return false;
    }
    StageCsvParser parser(path, grid);
    char buffer[1 << 16];
    bool wanted = true;
    unsigned long read = 0;
    while (wanted) {
        if (read >= files::kStageFileMaxBytes) {
            std::fprintf(stderr, "zem: %s: longer than %lu bytes; the rest is not read\n", QuotePath(path).c_str(),
                         files::kStageFileMaxBytes);
            break;
        }
        const size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        if (got == 0) break;
        read += got;
        wanted = parser.Feed(buffer, got);
    }
    if (std::ferror(file.get())) {
        std::fprintf(stderr, "zem: %s: cannot read the stage file (%s)\n", QuotePath(path).c_str(),
                     std::strerror(errno));
        return false;
    }
    parser.Finish();
    return true;
}
bool LoadTitleMapFile(const std::string& path, TitleGrid& grid)
{
    std::string problem;
    const platform::FilePtr opened = platform::OpenRegularFile(path, problem);
    std::FILE* const file = opened.get();
    if (file == nullptr) {
        std::fputs("NG\n\n", stdout);
        std::fflush(stdout);
        std::fprintf(stderr, "zem: %s: cannot read the title map (%s); the title shows no ground\n", QuotePath(path).c_str(),
                     problem.c_str());
        return false;
    }
    // Flushed at once, so that whoever watches the output sees the title has started.
    std::fputs("OK\n\n", stdout);
    std::fflush(stdout);
    // A byte-order mark is no cell.
    unsigned char mark[3] = {};
    if (std::fread(mark, 1, 3, file) != 3 || mark[0] != 0xEF || mark[1] != 0xBB || mark[2] != 0xBF) {
        std::rewind(file);
    }
    int row = 0;
    int column = 0;
    unsigned long read = 0;
    for (int c = std::fgetc(file); c != EOF && ++read <= files::kTitleMapMaxBytes; c = std::fgetc(file)) {
        if (c == '\r') {
            const int next = std::fgetc(file);
            if (next == '\n') c = '\n';
            else if (next != EOF) std::ungetc(next, file);
        }
        if (c == '\n') {
            column = 0;
            if (++row == kTitleMapRows) break; // nothing further can land in the grid
            continue;
        }
        if (column < kTitleMapCols) grid[row][column++] = c - '0';
    }
    const bool readAll = !std::ferror(file);
    if (!readAll) std::fprintf(stderr, "zem: %s: cannot read the title map (%s)\n", QuotePath(path).c_str(), std::strerror(errno));
    return readAll;
}
