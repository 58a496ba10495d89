#pragma once
#include <string>
#include <vector>

// Writes one JSON object (a line of the headless runner's trace). Fields and array
// elements are separated automatically; floats print with nine significant digits.
class CTraceWriter {
public:
    CTraceWriter();

    void Field(const char* name, int value);
    void Field(const char* name, long long value);
    void Field(const char* name, float value);
    void Field(const char* name, double value);
    void Field(const char* name, bool value);
    void Field(const char* name, const char* value);
    void Field(const char* name, const std::string& value) { Field(name, value.c_str()); }

    void BeginObject(const char* name);
    void BeginObject(); // an object as an array element
    void EndObject();
    void BeginArray(const char* name);
    void EndArray();

    // Array elements.
    void Value(int value);
    void Value(float value);

    // The finished line (closes every open object and array).
    std::string Finish();

private:
    void Separate();
    void Open(char opener, char closer);
    void Close();
    void Key(const char* name);
    void AppendString(const char* text);
    void AppendFloat(double value);

    std::string mText;
    std::vector<bool> mHasItems; // one per open object or array
    std::string mClosers;        // the closing bracket of each open object or array
};
