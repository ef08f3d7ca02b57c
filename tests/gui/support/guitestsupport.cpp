#include "guitestsupport.h"

#include <QFile>

namespace pelmora::gui::test {

QString samplePath(const QString& name)
{
    return QStringLiteral(PELMORA_SAMPLES) + "/" + name;
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
