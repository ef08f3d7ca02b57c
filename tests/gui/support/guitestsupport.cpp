#include "guitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTimer>

namespace pelmora::gui::test {

QString samplePath(const QString& name)
{
    return QStringLiteral(PELMORA_SAMPLES) + "/" + name;
}

QString testTransducer(const QString& name)
{
    const QString folder = QStringLiteral(PELMORA_TEST_TRANSDUCERS);
    return folder.isEmpty() ? QString() : folder + "/" + name;
}

void typeInto(QLineEdit& edit, const QString& text)
{
    edit.selectAll();
    if (text.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClicks(&edit, QString(c));
        else
            edit.insert(QString(c));
    }
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList chooseFromContextMenu(QWidget& widget, QPoint at, const QString& entry)
{
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            offered << action->text();
            if (!chosen && !entry.isEmpty() && action->text().startsWith(entry))
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
    return offered;
}

int ScriptedDialogRunner::run(QDialog& dialog)
{
    m_titles.push_back(dialog.windowTitle());
    if (m_steps.empty())
        return QDialog::Rejected;
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    return step(dialog);
}

}  // namespace pelmora::gui::test
