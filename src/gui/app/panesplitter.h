// The splitter of the window's three panes (running text, token strip, annotation form).
#pragma once

#include <QSplitter>

namespace pelmora::gui {

// After every resize the form gets its full natural height, the strip keeps its height and the
// running text takes the rest.
class PaneSplitter final : public QSplitter {
    Q_OBJECT
public:
    explicit PaneSplitter(QWidget* parent = nullptr);
    // Puts the three panes in with the heights the text and the strip start with; the form gets
    // its natural height. Only the running text may collapse, and it gives up all its height
    // when the window gets too low for the form.
    void setPanes(QWidget* text, QWidget* strip, QWidget* form, int textHeight, int stripHeight);
    // Puts `form` in place of the bottom pane, which is deleted.
    void replaceForm(QWidget* form);
    // Applies the rule now.
    void keepFormHeight();
    // The strip's height as the user last dragged it (or as it started).
    int stripHeight() const { return m_strip; }
    void setStripHeight(int height) { m_strip = height; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_strip = -1;
};

}  // namespace pelmora::gui
