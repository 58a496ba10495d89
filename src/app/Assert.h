#pragma once

// Assertions of the game carry their message to standard error; a debug build stops there
// (unless a test says otherwise), a release build goes on.
void AssertFailed(const wchar_t* message, const char* file, int line);
void SetAssertionsFatal(bool fatal);
int AssertionFailures();

#define ZEM_ASSERT(condition, message) \
    ((condition) ? static_cast<void>(0) : AssertFailed(message, __FILE__, __LINE__))
