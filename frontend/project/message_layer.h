#pragma once
// The four kinds of message box the front end shows, behind one interface so that the model
// code can report to the user without a window toolkit. The main window supplies the real
// implementation; tests use TMessageRecorder to read the exact texts. A "\r" in a text is a
// line break.
#include <deque>
#include <string>
#include <vector>

enum class TMessageKind { Plain, Information, Warning, Confirmation };

enum class TMessageAnswer { Ok, Yes, No, Cancel };

class TMessageLayer {
public:
    virtual ~TMessageLayer() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // An information box with an OK button.
    virtual void Information(const std::string& text) = 0;
    // A warning box with an OK button.
    virtual void Warning(const std::string& text) = 0;
    // A confirmation box with Yes, No and Cancel buttons; returns the button pressed.
    virtual TMessageAnswer Confirm(const std::string& text) = 0;
};

// Records every message instead of showing it; confirmations take their answers from a queue
// (Cancel when the queue is empty).
class TMessageRecorder : public TMessageLayer {
public:
    struct TEntry {
        TMessageKind Kind;
        std::string Text;
    };

    void ShowMessage(const std::string& text) override { Entries.push_back({TMessageKind::Plain, text}); }
    void Information(const std::string& text) override { Entries.push_back({TMessageKind::Information, text}); }
    void Warning(const std::string& text) override { Entries.push_back({TMessageKind::Warning, text}); }
    TMessageAnswer Confirm(const std::string& text) override
    {
        Entries.push_back({TMessageKind::Confirmation, text});
        if (Answers.empty()) return TMessageAnswer::Cancel;
        const TMessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<TEntry> Entries;
    std::deque<TMessageAnswer> Answers;
};
