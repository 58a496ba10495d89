#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The hero's path through one run, frame by frame, to race against later: where it stood, which
// way it faced, its size and the cell of its sheet it showed. A run of the best time is kept
// beside the best results, with the stamp of the game data it was played on.
struct GhostFrame {
    float x = 0.0f;
    float y = 0.0f;
    uint8_t width = 0;
    uint8_t height = 0;
    uint8_t anim = 0;  // the animation row (99, the mini form, is kept as 255)
    uint8_t cell = 0;  // the frame within the row
    int8_t facing = 1; // +1 right, -1 left
};

class GhostPath {
public:
    // Ten minutes of play: a longer run keeps no ghost (its file would pass the bound).
    static constexpr size_t kMaxFrames = 60 * 60 * 10;
    // The bytes of one frame in the file, and of the whole header.
    static constexpr size_t kFrameBytes = 13;
    static constexpr size_t kHeaderBytes = 40;

    // Whether a frame shows one of the hero's own pictures, as the game records them: the box is
    // the big form's 45 x 75 or the mini form's 40 x 40 (player/PlayerAnimation.cpp), the row one
    // of the big form's six (0 to 5) or the mini form's (kept as 255), the cell one of a row's
    // eight at most. A ghost drawing anything else would cut ever new pictures from the sheet.
    static bool ShowsAHeroPicture(const GhostFrame& frame);

    void Clear() { mFrames.clear(); mReach.clear(); }
    // Room for a run of `frames` frames, so that recording it allocates nothing more.
    void Reserve(size_t frames) { mFrames.reserve(std::min(frames, kMaxFrames)); }
    // One more frame of the run; frames past the bound are not kept.
    void Add(const GhostFrame& frame);
    size_t Size() const { return mFrames.size(); }
    bool Full() const { return mFrames.size() >= kMaxFrames; }
    const GhostFrame& At(size_t frame) const { return mFrames[frame]; }

    // The frame (counted from 0) in which the path first reached `x` or beyond; nothing when it
    // never did.
    std::optional<size_t> FirstFrameAt(float x) const;

    // The file's bytes: "ZEMGHOST", a version, the data stamp, the frame count, the frames.
    std::string Encode(const std::string& dataStamp) const;
    // Reads a ghost file of at most the bound's size; on a damaged file, false with the reason.
    bool Decode(const std::string& bytes, std::string& dataStamp, std::string& problem);

    // Reads `file`, refusing anything larger than a full path before reading it. False with the
    // reason (said by the caller) when missing, too large or damaged.
    bool Load(const std::filesystem::path& file, std::string& dataStamp, std::string& problem);

private:
    void IndexReach();

    std::vector<GhostFrame> mFrames;
    // The first frame reaching each 40-pixel column, for the gap at the same x.
    std::vector<uint32_t> mReach;
};
