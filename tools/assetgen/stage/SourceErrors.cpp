#include "SourceErrors.h"

#include <cstdio>

#include "app/Quote.h"

namespace {

constexpr int kShownLines = 20;

std::string Place(int line, int column)
{
    return ":" + std::to_string(line) + ":" + std::to_string(column);
}

} // namespace

void SourceErrors::At(int line, int column, const std::string& message)
{
    ++mProblems;
    Show(Place(line, column), message, mHiddenProblems);
}

void SourceErrors::InFile(const std::string& message)
{
    ++mProblems;
    Show("", message, mHiddenProblems);
}

void SourceErrors::NoteAt(int line, int column, const std::string& message)
{
    Show(Place(line, column), message, mHiddenNotes);
}

void SourceErrors::NoteInFile(const std::string& message)
{
    Show("", message, mHiddenNotes);
}

void SourceErrors::Show(const std::string& place, const std::string& message, int& hidden)
{
    if (mShown == kShownLines) {
        ++hidden;
        return;
    }
    ++mShown;
    std::fprintf(stderr, "%s%s: %s\n", QuotePath(mPath).c_str(), place.c_str(), message.c_str());
}

void SourceErrors::Finish()
{
    if (mHiddenProblems > 0 || mHiddenNotes > 0) {
        std::string count;
        if (mHiddenProblems > 0) count = std::to_string(mHiddenProblems) + " more problems";
        if (mHiddenNotes > 0) count += (count.empty() ? "" : " and ") + std::to_string(mHiddenNotes) + " more notes";
        std::fprintf(stderr, "%s: %s not shown\n", QuotePath(mPath).c_str(), count.c_str());
    }
    mShown = mHiddenProblems = mHiddenNotes = 0;
}
