// The window's Prompter: the core's messages and questions as message boxes.
#pragma once

#include "common/prompter.h"

class QWidget;

namespace pelmora::gui {

// Shows QMessageBoxes with the system's titles and icons over the parent; Yes is the default
// button of a question and Escape answers No.
class GuiPrompter final : public Prompter {
public:
    explicit GuiPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void message(MessageKind kind, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;

private:
    QWidget* m_parent;
};

}  // namespace pelmora::gui
