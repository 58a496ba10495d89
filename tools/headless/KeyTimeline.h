#pragma once
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// A key timeline: each line "FRAME KEY KEY ..." holds those keys from that frame on until
// the next line; a frame with no keys releases everything; '#' starts a comment. A later
// line for the same frame replaces the earlier one. Each line is kept as a frame and a set
// of keys, a few bytes, so a timeline never takes much more memory than its text.
class KeyTimeline {
public:
    // False with a message naming the line when the text is malformed or cannot be read.
    bool Parse(std::istream& in, const std::string& name, std::string& error);
    // The virtual-key codes held during `frame` (frames count from 1), in the order of the key names.
    std::vector<int> KeysAt(long frame) const;

    static int VirtualKeyOf(const std::string& keyName); // -1 when unknown

private:
    struct Change {
        long frame = 0;
        uint16_t keys = 0; // one bit per key name
    };
    std::vector<Change> mChanges; // by frame, one per frame
};
