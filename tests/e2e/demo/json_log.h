#pragma once

#include <string>
#include <string_view>

namespace demo {

// One JSON object per line on stdout, flushed at once, for the end-to-end driver to read.
class JsonLine {
public:
    explicit JsonLine(std::string_view type);
    JsonLine& Add(std::string_view key, std::string_view value);
    JsonLine& Add(std::string_view key, long long value);
    // A value that already is JSON (arrays, objects).
    JsonLine& AddRaw(std::string_view key, std::string_view json);
    void Print();

private:
    std::string text_;
};

std::string Quote(std::string_view text);

}  // namespace demo
