#include "cliprompter.h"

#include <ostream>

namespace pelmora::cli {

void CliPrompter::message(MessageKind kind, const std::string&, const std::string& text)
{
    if (kind == MessageKind::Error)
        m_sawError = true;
    m_out << text << '\n';
}

bool CliPrompter::askYesNo(const std::string&, const std::string& text)
{
    m_out << text << ' ' << (m_answer ? "[Jah]" : "[Ei]") << '\n';
    return m_answer;
}

}  // namespace pelmora::cli
