#include "common/prompter.h"

namespace pelmora {

void RecordingPrompter::message(MessageKind kind, const std::string& title, const std::string& text)
{
    m_entries.push_back({false, kind, title, text});
}

bool RecordingPrompter::askYesNo(const std::string& title, const std::string& text)
{
    m_entries.push_back({true, MessageKind::Plain, title, text});
    if (m_answers.empty())
        return m_defaultAnswer;
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> RecordingPrompter::texts() const
{
    std::vector<std::string> out;
    out.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        out.push_back(entry.text);
    return out;
}

std::string RecordingPrompter::lastText() const
{
    return m_entries.empty() ? std::string() : m_entries.back().text;
}

}  // namespace pelmora
