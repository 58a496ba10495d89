#pragma once
#include <istream>
#include <map>
#include <string>
#include <vector>

// A key timeline: each line "FRAME KEY KEY ..." holds those keys from that frame on until
// the next line; a frame with no keys releases everything; '#' starts a comment.
class KeyTimeline {
public:
    // False with a message naming the line when the text is malformed.
    bool Parse(std::istream& in, const std::string& name, std::string& error);
    // The virtual-key codes held during `frame` (frames count from 1).
    const std::vector<int>& KeysAt(long frame) const;

    static int VirtualKeyOf(const std::string& keyName); // -1 when unknown

private:
    std::map<long, std::vector<int>> mChanges;
};
