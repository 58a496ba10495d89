#pragma once
#include <string>
#include <utility>

// What is wrong with a source file, each problem in one line on standard error at its place
// ("PATH:LINE:COLUMN: message"). A source can be wrong everywhere (a grid of 12,600 goal markers),
// so only the first screenful is named; Finish counts the rest in one line.
class SourceErrors {
public:
    explicit SourceErrors(std::string path) : mPath(std::move(path)) {}

    // A problem at a line and column of the file, both counted from 1.
    void At(int line, int column, const std::string& message);
    // A problem of the file as a whole.
    void InFile(const std::string& message);
    // Something the compiler changed and went on with: named the same way, but no problem.
    void NoteAt(int line, int column, const std::string& message);
    void NoteInFile(const std::string& message);

    // Counts in one line what was left out, if anything; the next problems are named again.
    void Finish();
    bool Empty() const { return mProblems == 0; }

private:
    void Show(const std::string& place, const std::string& message, int& hidden);

    std::string mPath;
    int mProblems = 0;
    int mShown = 0;
    int mHiddenProblems = 0;
    int mHiddenNotes = 0;
};
