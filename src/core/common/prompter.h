// The one channel through which the core tells the user something or asks a Yes/No question.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace pelmora {

enum class MessageKind { Error, Warning, Information, Plain };

// The standard titles of message boxes.
inline constexpr const char* kTitleError = "Viga";
inline constexpr const char* kTitleWarning = "Hoiatus";
inline constexpr const char* kTitleNotice = "Teade";

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows a message and returns when the user has seen it.
    virtual void message(MessageKind kind, const std::string& title, const std::string& text) = 0;
    // Asks a Yes/No question; true means Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;

    void error(const std::string& text) { message(MessageKind::Error, kTitleError, text); }
};

// Remembers every message and question; answers questions from a queue, then with the default.
class RecordingPrompter final : public Prompter {
public:
    struct Entry {
        bool question = false;
        MessageKind kind = MessageKind::Plain;
        std::string title;
        std::string text;
    };

    void message(MessageKind kind, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;

    // Queues answers for the next questions, in order.
    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    void setDefaultAnswer(bool yes) { m_defaultAnswer = yes; }

    const std::vector<Entry>& entries() const { return m_entries; }
    // The texts of all messages and questions, in order.
    std::vector<std::string> texts() const;
    // The text of the last entry, or "" when there is none.
    std::string lastText() const;
    void clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    std::deque<bool> m_answers;
    bool m_defaultAnswer = false;
};

// Says nothing and answers every question with a fixed answer.
class SilentPrompter final : public Prompter {
public:
    explicit SilentPrompter(bool answer = false) : m_answer(answer) {}
    void message(MessageKind, const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return m_answer; }

private:
    bool m_answer;
};

}  // namespace pelmora
