// A run of zem-headless on the generated data with a key timeline, and the per-frame trace it
// wrote, read back the way the end-to-end tests need it.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

class HeadlessRun {
public:
    // `options` more of the runner's options; `bestResults`, when not empty, the text of the
    // best-results file the run starts from (the stages it opens on the title), which the run may
    // rewrite in its own copy.
    HeadlessRun(const std::string& keys, long frames, const std::string& options = "",
                const std::string& bestResults = "")
    {
        const std::string trace = (mDir.Path() / "trace.jsonl").string();
        const auto keyFile = mDir.Write("keys.txt", keys);
        std::string best;
        if (!bestResults.empty()) best = " --best " + mDir.Write("best-results.txt", bestResults).string();
        const auto result = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames " +
                                       std::to_string(frames) + " --keys " + keyFile.string() + " --trace " + trace +
                                       best + " " + options);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::istringstream in(ReadFile(trace));
        for (std::string line; std::getline(in, line);) mLines.push_back(line);
    }

    size_t Frames() const { return mLines.size(); }
    const std::vector<std::string>& Lines() const { return mLines; }
    const std::string& Line(size_t frame) const { return mLines.at(frame - 1); }
    std::string Scene(size_t frame) const
    {
        const std::string& line = Line(frame);
        const auto start = line.find("\"scene\":\"") + 9;
        return line.substr(start, line.find('"', start) - start);
    }
    // The first frame at or after `from` showing `scene`; 0 when none does.
    size_t FirstFrameOf(const std::string& scene, size_t from = 1) const
    {
        for (size_t f = from; f <= mLines.size(); ++f)
            if (Scene(f) == scene) return f;
        return 0;
    }
    // A number of the frame's line (the first of a pair): the first `"name":` at or after `within` (for example
    // "\"player\":{" to read the player's own fields). NaN when the field is missing.
    double Number(size_t frame, const std::string& name, const std::string& within = "") const
    {
        const std::string& line = Line(frame);
        size_t at = within.empty() ? 0 : line.find(within);
        if (at != std::string::npos) at = line.find("\"" + name + "\":", at);
        if (at == std::string::npos) return std::nan("");
        const char* value = line.c_str() + at + name.size() + 3;
        return std::strtod(*value == '[' ? value + 1 : value, nullptr); // of a pair, its first
    }
    double Player(size_t frame, const std::string& name) const { return Number(frame, name, "\"player\":{"); }
    bool PlayerFlag(size_t frame, const std::string& name) const
    {
        const std::string& line = Line(frame);
        const size_t player = line.find("\"player\":{");
        return player != std::string::npos && line.find("\"" + name + "\":true", player) < line.find('}', player);
    }

    // The centres' x of the frame's enemies of one kind ("walk", "jump", "fly", "slime").
    std::vector<double> EnemyX(size_t frame, const std::string& kind) const
    {
        std::vector<double> xs;
        const std::string key = "{\"kind\":\"" + kind + "\",\"x\":";
        const std::string& line = Line(frame);
        for (size_t at = line.find(key); at != std::string::npos; at = line.find(key, at + 1))
            xs.push_back(std::strtod(line.c_str() + at + key.size(), nullptr));
        return xs;
    }

private:
    TempDir mDir;
    std::vector<std::string> mLines;
};

// A timeline file under tests/e2e/data.
inline std::string Timeline(const std::string& name)
{
    return ReadFile(std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/" + name);
}

// The keys a timeline presses and its last frame.
struct TimelineKeys {
    std::set<std::string> keys;
    long lastFrame = 0;
};

inline TimelineKeys KeysOf(const std::string& text)
{
    TimelineKeys result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        long frame = 0;
        if (!(words >> frame)) continue;
        result.lastFrame = std::max(result.lastFrame, frame);
        for (std::string key; words >> key;) result.keys.insert(key);
    }
    return result;
}
