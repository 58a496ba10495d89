#pragma once
#include <filesystem>
#include <string>

// One of the small text files the player keeps (the settings, the best results), read within
// its bound. Such a file is replaced whole when the game writes it, so one the game could not
// read whole is first moved aside: nothing the player had is ever written over unread.
struct PlayerFileText {
    enum class State {
        Missing, // no file: nothing to read, nothing to lose
        Whole,   // `text` is all of it
        Cut,     // longer than its bound: `text` is its whole lines within the bound
        Unread,  // not a regular file, or it cannot be read
    };
    State state = State::Missing;
    std::string text;
    std::string problem; // Cut or Unread: what is wrong, for a message
};

// Reads at most `maxBytes` of the file; a file of exactly `maxBytes` is read whole.
PlayerFileText ReadPlayerFile(const std::filesystem::path& path, size_t maxBytes);

// Before `path` is replaced: a file there that was not read whole is moved aside (platform::SetAside)
// and the new name said in one line. A folder is left where it is (replacing it fails by
// itself). False, said in one line ending in `notKept`, when the file could not be moved: it
// must not be replaced then.
bool SetAsideUnlessWhole(const std::filesystem::path& path, const PlayerFileText& read, const char* notKept);
