#include "app/guiprompter.h"

#include "app/qtstrings.h"

#include <QApplication>
#include <QMessageBox>

namespace pelmora::gui {

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// A box over the active window when the parent is gone or hidden, so it never hides behind.
QWidget* ownerOf(QWidget* parent)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent;
}

}  // namespace

void GuiPrompter::message(MessageKind kind, const std::string& title, const std::string& text)
{
    QMessageBox box(iconOf(kind), toQt(title), toQt(text), QMessageBox::Ok, ownerOf(m_parent));
    box.exec();
}

bool GuiPrompter::askYesNo(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, toQt(title), toQt(text), QMessageBox::Yes | QMessageBox::No,
                    ownerOf(m_parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace pelmora::gui
