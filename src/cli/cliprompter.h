// The command-line Prompter: messages go to standard error, questions get a fixed answer.
#pragma once

#include "common/prompter.h"

#include <iosfwd>

namespace pelmora::cli {

class CliPrompter final : public Prompter {
public:
    explicit CliPrompter(std::ostream& out, bool answer = false) : m_out(out), m_answer(answer) {}
    void message(MessageKind kind, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    void setAnswer(bool yes) { m_answer = yes; }
    // True once an error message was shown.
    bool sawError() const { return m_sawError; }

private:
    std::ostream& m_out;
    bool m_answer;
    bool m_sawError = false;
};

}  // namespace pelmora::cli
