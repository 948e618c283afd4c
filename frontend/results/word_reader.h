#pragma once
// TWordReader reads a whole text file into memory and hands out its blank-separated words
// one at a time as integers, floating-point numbers or whole lines. Every front-end reader of
// a text file (project, CPT data, plot data) uses it. Numbers are read with "." as decimal
// separator whatever the locale.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "project/in_out_error.h"
#include "project/number_parse.h"

// The words of one line, plus the full text of the line as read.
class TWordContainer {
public:
    explicit TWordContainer(std::string line) : text_(std::move(line)) { Split(); }

    const std::string& Text() const { return text_; }
    int Count() const { return static_cast<int>(words_.size()); }
    const std::string& operator[](int index) const { return words_[static_cast<std::size_t>(index)]; }

private:
    static bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

    void Split()
    {
        std::size_t begin = 0;
        std::size_t end = text_.size();
        while (begin < end && IsControlOrBlank(text_[begin])) ++begin;
        while (end > begin && IsControlOrBlank(text_[end - 1])) --end;
        std::size_t pos = begin;
        while (pos < end) {
            std::size_t stop = pos;
            while (stop < end && text_[stop] != ' ' && text_[stop] != '\t') ++stop;
            words_.push_back(text_.substr(pos, stop - pos));
            pos = stop;
            while (pos < end && IsControlOrBlank(text_[pos])) ++pos;
        }
    }

    std::string text_;
    std::vector<std::string> words_;
};

class TWordReader {
public:
    // Reads every line of the file; the file is closed again before the constructor returns.
    // A missing or unreadable file raises EInOutError.
    explicit TWordReader(const std::string& fileName)
    {
        std::ifstream file(fileName, std::ios::binary);
        if (!file) throw EInOutError("Cannot open file \"" + fileName + "\".");
        std::ostringstream content;
        content << file.rdbuf();
        if (file.bad()) throw EInOutError("Cannot read file \"" + fileName + "\".");
        SplitLines(content.str());
    }

    // Builds a reader over text already in memory (same splitting as for a file).
    static TWordReader FromText(const std::string& text)
    {
        TWordReader reader;
        reader.SplitLines(text);
        return reader;
    }

    std::int32_t ReadInteger()
    {
        const std::string& word = NextWord();
        double value = 0.0;
        if (!ParseDecimalNumber(word, value) || value != std::trunc(value) || value < -2147483648.0 ||
            value > 2147483647.0)
            throw EInOutError(PositionText() + "An integer was expected but not found.");
        return static_cast<std::int32_t>(value);
    }

    double ReadFloat()
    {
        const std::string& word = NextWord();
        double value = 0.0;
        if (!ParseDecimalNumber(word, value))
            throw EInOutError(PositionText() + "A floating point number was expected but not found.");
        return value;
    }

    // The full text of the current line (also when some of its words were taken already);
    // the reader then stands at the start of the next line.
    std::string ReadLine()
    {
        if (lineIndex_ >= LineCount()) throw EInOutError(kInvalidOrIncompleteFile);
        std::string text = lines_[static_cast<std::size_t>(lineIndex_)].Text();
        ++lineIndex_;
        wordIndex_ = 0;
        return text;
    }

    int WordsOnLine() const
    {
        return lineIndex_ < LineCount() ? lines_[static_cast<std::size_t>(lineIndex_)].Count() : 0;
    }

    bool AtEnd() const { return lineIndex_ == LineCount(); }

private:
    TWordReader() = default;

    int LineCount() const { return static_cast<int>(lines_.size()); }

    // Lines end at LF, CR LF or a lone CR; an empty text is one empty line, and a final line
    // break does not start another line.
    void SplitLines(const std::string& text)
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' || text[i] == '\r') {
                lines_.emplace_back(text.substr(start, i - start));
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                start = i + 1;
            }
        }
        if (start < text.size() || lines_.empty()) lines_.emplace_back(text.substr(start));
    }

    // An empty line met while looking for the next word is not skipped: the take fails on it,
    // since none of the files read this way contains empty lines.
    const std::string& NextWord()
    {
        if (lineIndex_ >= LineCount()) throw EInOutError(kInvalidOrIncompleteFile);
        if (wordIndex_ >= lines_[static_cast<std::size_t>(lineIndex_)].Count()) {
            ++lineIndex_;
            wordIndex_ = 0;
        }
        if (lineIndex_ >= LineCount() || wordIndex_ >= lines_[static_cast<std::size_t>(lineIndex_)].Count())
            throw EInOutError(kInvalidOrIncompleteFile);
        return lines_[static_cast<std::size_t>(lineIndex_)][wordIndex_++];
    }

    std::string PositionText() const
    {
        return "Error on Line " + std::to_string(lineIndex_ + 1) + " Item " + std::to_string(wordIndex_) + "\r";
    }

    std::vector<TWordContainer> lines_;
    int lineIndex_ = 0;
    int wordIndex_ = 0;
};
