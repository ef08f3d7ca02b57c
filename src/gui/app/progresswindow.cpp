#include "app/progresswindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>
#include <limits>

namespace pelmora::gui {

namespace {

int clamped(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

ProgressWindow::ProgressWindow(const QString& title, const QString& label, int maximum, QWidget* parent,
                               const Observer& observer)
    : m_dialog(label, QCoreApplication::translate("ProgressWindow", "&Loobu"), 0, maximum, parent), m_observer(observer)
{
    m_dialog.setWindowTitle(title);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(0);
    // The window stays up until the command is done with it; reaching the end is no reason to go.
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setMinimumWidth(360);
    if (auto* text = m_dialog.findChild<QLabel*>())
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_dialog.setValue(0);
    m_dialog.show();
    m_cursor.emplace();
    QCoreApplication::processEvents();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::setMaximum(long long maximum)
{
    m_dialog.setMaximum(clamped(maximum));
}

bool ProgressWindow::update(long long value, const QString& label)
{
    if (m_dialog.labelText() != label)
        m_dialog.setLabelText(label);
    // setValue repaints and, the window being modal, handles the pending events ("&Loobu" too),
    // but only when the value moved; a long file that finds nothing must still be cancellable.
    const int before = m_dialog.value();
    m_dialog.setValue(std::min(clamped(value), m_dialog.maximum()));
    if (m_dialog.value() == before)
        QCoreApplication::processEvents();
    if (m_observer)
        m_observer(m_dialog);
    return !m_dialog.wasCanceled();
}

}  // namespace pelmora::gui
