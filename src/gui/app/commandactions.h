// The window's actions: one QAction for each row of the command table, the running text's
// context entries that trigger them, and the binding of a controller's slots to them.
#pragma once

#include "app/commands.h"

#include <QAction>
#include <QList>
#include <QObject>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <utility>

class QWidget;

namespace pelmora::gui {

class CommandActions {
public:
    // Makes the actions in `window`, which owns them and runs their keys also without a menu
    // entry; each has the table's text, keys, icon (with a standard picture where the theme
    // has none) and tool tip. "&Nupuriba" is checkable and checked.
    explicit CommandActions(QWidget& window);

    QAction* operator[](Command command) const { return m_actions[static_cast<std::size_t>(command)]; }
    // The context menu's entries in the order of contextMenuTable(); null for a separator.
    const QList<QAction*>& contextActions() const { return m_context; }

    // Enables every command by what its row needs (OwnRule rows are left to their controller)
    // and the context entries as their commands.
    void updateEnabling(bool hasText, bool hasCurrentToken);

    // Connects each command's action to the receiver's slot.
    template <class Receiver>
    void bind(Receiver* receiver,
              std::initializer_list<std::pair<Command, void (std::type_identity_t<Receiver>::*)()>> slots) const
    {
        for (const auto& [command, slot] : slots)
            QObject::connect((*this)[command], &QAction::triggered, receiver, slot);
    }

private:
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> m_actions{};
    QList<QAction*> m_context;
};

}  // namespace pelmora::gui
