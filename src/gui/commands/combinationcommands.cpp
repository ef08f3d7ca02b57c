#include "commands/combinationcommands.h"

#include "annotation/combining.h"
#include "app/qtstrings.h"
#include "dialogs/combinationdialog.h"
#include "text/combinationediting.h"
#include "text/combinations.h"

namespace pelmora::gui {

CombinationCommands::CombinationCommands(CPelmoraDoc& doc, CDictionary& dictionary, const Settings& settings,
                                         DialogRunner& dialogs, QWidget* parent)
    : QObject(parent), m_doc(doc), m_dictionary(dictionary), m_settings(settings), m_dialogs(dialogs),
      m_parent(parent), m_index(doc)
{
}

bool CombinationCommands::combine(const std::vector<XmlNode>& words)
{
    // Words that cannot make a combination are refused before anything is asked.
    if (const std::string refusal = combinationRefusal(words); !refusal.empty()) {
        m_doc.prompter().error(refusal);
        return false;
    }
    const QString proposed = toQt(proposedCombinationLemma(words));
    CombinationDialog dialog(proposed, proposed, combinationCandidates(words, m_index, &m_dictionary),
                             m_settings.newToDictionary != 0, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return false;
    return static_cast<bool>(combineWords(m_doc, words, dialog.fields(), &m_dictionary, dialog.toDictionary()));
}

void CombinationCommands::remove(XmlNode combination)
{
    removeCombination(m_doc, combination);
}

}  // namespace pelmora::gui
