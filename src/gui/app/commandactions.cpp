#include "app/commandactions.h"

#include <QIcon>
#include <QStyle>
#include <QWidget>

namespace pelmora::gui {

namespace {

// Standard pictures for the toolbar when the icon theme lacks one.
QIcon commandIcon(const CommandInfo& info, const QStyle& style)
{
    if (info.icon.isEmpty())
        return {};
    QStyle::StandardPixmap fallback = QStyle::SP_FileIcon;
    switch (info.command) {
    case Command::Open: fallback = QStyle::SP_DialogOpenButton; break;
    case Command::Save: fallback = QStyle::SP_DialogSaveButton; break;
    case Command::ImportText: fallback = QStyle::SP_FileDialogNewFolder; break;
    case Command::Print: fallback = QStyle::SP_ComputerIcon; break;
    case Command::Find: fallback = QStyle::SP_FileDialogContentsView; break;
    case Command::GoToClipboardIdentifier: fallback = QStyle::SP_ArrowForward; break;
    case Command::About: fallback = QStyle::SP_MessageBoxInformation; break;
    case Command::SuggesterSettings: fallback = QStyle::SP_FileDialogDetailedView; break;
    case Command::Lemmatise: fallback = QStyle::SP_MediaPlay; break;
    case Command::AddTextToDictionary: fallback = QStyle::SP_FileDialogListView; break;
    case Command::EditDictionary: fallback = QStyle::SP_FileDialogInfoView; break;
    default: break;
    }
    return QIcon::fromTheme(info.icon, style.standardIcon(fallback));
}

}  // namespace

CommandActions::CommandActions(QWidget& window)
{
    const QStyle& look = *window.style();
    for (const CommandInfo& info : commandTable()) {
        auto* action = new QAction(shownText(info.text), &window);
        // The menu shows the accelerator written after the tab; the shortcuts do the work.
        action->setShortcuts(info.shortcuts);
        action->setIcon(commandIcon(info, look));
        action->setIconVisibleInMenu(false);
        if (!info.toolTip.isEmpty())
            action->setToolTip(shownText(info.toolTip));
        m_actions[static_cast<std::size_t>(info.command)] = action;
        window.addAction(action);  // accelerators without a menu entry work too
    }
    QAction* toolbar = (*this)[Command::ToggleToolbar];
    toolbar->setCheckable(true);
    toolbar->setChecked(true);

    for (const ContextEntry& entry : contextMenuTable()) {
        if (entry.command == Command::Count) {
            m_context.push_back(nullptr);
            continue;
        }
        auto* item = new QAction(shownText(entry.text), &window);
        QObject::connect(item, &QAction::triggered, (*this)[entry.command], &QAction::trigger);
        m_context.push_back(item);
    }
}

void CommandActions::updateEnabling(bool hasText, bool hasCurrentToken)
{
    for (const CommandInfo& info : commandTable()) {
        // Setting an own-rule command here first would switch it on and off at every update.
        if (info.needs == Needs::OwnRule)
            continue;
        bool enabled = !info.later;
        if (info.needs == Needs::Text)
            enabled = enabled && hasText;
        else if (info.needs == Needs::CurrentToken)
            enabled = enabled && hasCurrentToken;
        (*this)[info.command]->setEnabled(enabled);
    }
    for (qsizetype i = 0; i < m_context.size(); ++i) {
        if (m_context[i])
            m_context[i]->setEnabled((*this)[contextMenuTable()[static_cast<std::size_t>(i)].command]->isEnabled());
    }
}

}  // namespace pelmora::gui
