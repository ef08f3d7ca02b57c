// The combination commands of the running text: the dialog "Ühend" once the words are chosen,
// and the removal of a combination from the context menu.
#pragma once

#include "annotation/textindex.h"
#include "app/dialogrunner.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <QObject>

#include <vector>

class QWidget;

namespace pelmora {
class CDictionary;
}

namespace pelmora::gui {

class CombinationCommands final : public QObject {
    Q_OBJECT
public:
    // `settings` is read at each command ("NewToDictionary" sets the dialog's check box).
    CombinationCommands(CPelmoraDoc& doc, CDictionary& dictionary, const Settings& settings,
                        DialogRunner& dialogs, QWidget* parent);

    // Asks for the combination of the chosen words and writes it. True when it was written;
    // false when the dialog was cancelled or the text refused it.
    bool combine(const std::vector<XmlNode>& words);
    // "Kustuta ühend": removes the combination (one undo step).
    void remove(XmlNode combination);

private:
    CPelmoraDoc& m_doc;
    CDictionary& m_dictionary;
    const Settings& m_settings;
    DialogRunner& m_dialogs;
    QWidget* m_parent;
    TextTokenIndex m_index;
};

}  // namespace pelmora::gui
