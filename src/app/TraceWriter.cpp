#include "app/TraceWriter.h"

#include <cmath>
#include <cstdio>

CTraceWriter::CTraceWriter() : mText(1, '{'), mHasItems(1, false), mClosers(1, '}') {}

void CTraceWriter::Separate()
{
    if (mHasItems.empty()) return;
    if (mHasItems.back()) mText += ',';
    mHasItems.back() = true;
}

void CTraceWriter::Key(const char* name)
{
    Separate();
    AppendString(name);
    mText += ':';
}

void CTraceWriter::AppendString(const char* text)
{
    mText += '"';
    for (const char* p = text; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            mText += '\\';
            mText += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
            mText += escaped;
        } else {
            mText += static_cast<char>(c);
        }
    }
    mText += '"';
}

void CTraceWriter::AppendFloat(double value)
{
    if (!std::isfinite(value)) {
        mText += "null";
        return;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%.9g", value);
    mText += buffer;
}

void CTraceWriter::Field(const char* name, int value)
{
    Key(name);
    mText += std::to_string(value);
}

void CTraceWriter::Field(const char* name, long long value)
{
    Key(name);
    mText += std::to_string(value);
}

void CTraceWriter::Field(const char* name, float value)
{
    Key(name);
    AppendFloat(value);
}

void CTraceWriter::Field(const char* name, double value)
{
    Key(name);
    AppendFloat(value);
}

void CTraceWriter::Field(const char* name, bool value)
{
    Key(name);
    mText += value ? "true" : "false";
}

void CTraceWriter::Field(const char* name, const char* value)
{
    Key(name);
    AppendString(value);
}

void CTraceWriter::Open(char opener, char closer)
{
    mText += opener;
    mHasItems.push_back(false);
    mClosers.push_back(closer);
}

void CTraceWriter::Close()
{
    if (mHasItems.size() <= 1) return;
    mText += mClosers.back();
    mHasItems.pop_back();
    mClosers.pop_back();
}

void CTraceWriter::BeginObject(const char* name)
{
    Key(name);
    Open('{', '}');
}

void CTraceWriter::BeginObject()
{
    Separate();
    Open('{', '}');
}

void CTraceWriter::EndObject()
{
    Close();
}

void CTraceWriter::BeginArray(const char* name)
{
    Key(name);
    Open('[', ']');
}

void CTraceWriter::EndArray()
{
    Close();
}

void CTraceWriter::Value(int value)
{
    Separate();
    mText += std::to_string(value);
}

void CTraceWriter::Value(float value)
{
    Separate();
    AppendFloat(value);
}

std::string CTraceWriter::Finish()
{
    while (mHasItems.size() > 1) Close();
    mText += '}';
    mHasItems.clear();
    mClosers.clear();
    return mText;
}
