#pragma once
// Builds the text of a file of blank-separated values, one record per line, lines ended by
// CR LF, each value followed by one blank.
#include <string>

class TTextLines {
public:
    // Appends a value followed by one blank.
    TTextLines& operator<<(const std::string& value)
    {
        text_ += value;
        text_ += ' ';
        return *this;
    }
    // Appends text as it stands.
    TTextLines& Raw(const std::string& text)
    {
        text_ += text;
        return *this;
    }
    void EndLine() { text_ += "\r\n"; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
