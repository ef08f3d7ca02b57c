#include "commands/longrun.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QProgressDialog>

#include <algorithm>

namespace pelmora::gui {

namespace {

constexpr int kProgressDelayMs = 300;

}  // namespace

InputGuard::InputGuard(QWidget* mainWindow, const std::unique_ptr<QProgressDialog>& window)
    : m_main(mainWindow), m_window(window)
{
    qApp->installEventFilter(this);
}

InputGuard::~InputGuard()
{
    qApp->removeEventFilter(this);
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_window || !m_main)
        return false;
    switch (event->type()) {
    case QEvent::Shortcut: return qobject_cast<QAction*>(watched) != nullptr || inMainWindow(watched);
    case QEvent::ShortcutOverride:
        if (!inMainWindow(watched))
            return false;
        event->accept();  // taken, so that no shortcut of the window runs either
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Close: return inMainWindow(watched);
    default: return false;
    }
}

bool InputGuard::inMainWindow(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == m_main;
}

std::function<bool(std::size_t, std::size_t)> longRunProgress(std::unique_ptr<QProgressDialog>& window,
                                                              QWidget* parent, const QString& label,
                                                              std::function<void(QProgressDialog&)> hook)
{
    return [&window, parent, label, hook = std::move(hook)](std::size_t done, std::size_t total) {
        if (!window) {
            window = std::make_unique<QProgressDialog>(parent);
            window->setWindowTitle(QStringLiteral("Pelmora"));
            window->setWindowModality(Qt::WindowModal);
            window->setCancelButtonText(QCoreApplication::translate("LongRun", "&Loobu"));
            window->setMinimumDuration(kProgressDelayMs);
            window->setAutoClose(false);
            window->setAutoReset(false);
            window->setMinimumWidth(360);
        }
        const int maximum = static_cast<int>(std::max<std::size_t>(total, 1));
        window->setMaximum(maximum);
        window->setLabelText(label.arg(done).arg(total));
        window->setValue(static_cast<int>(std::min(done, total)));  // lets the window take the click
        if (hook)
            hook(*window);
        return !window->wasCanceled();
    };
}

}  // namespace pelmora::gui
