#include "dialogs/filelistfield.h"

#include "app/qtstrings.h"
#include "common/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace pelmora::gui {

namespace {

constexpr const char* kAlreadyListed = QT_TRANSLATE_NOOP("FileListField", "Fail %s\non juba loendis või uue faili lahtris.");
constexpr const char* kOutputListed = QT_TRANSLATE_NOOP("FileListField", "Fail %s\non loendis olemas.\nVali mõni muu fail.");

}  // namespace

FileListField::FileListField(QListWidget& list, QLineEdit& output, FileRequest outputRequest, Prompter& prompter,
                             FileChooser& files, QWidget* dialog)
    : QObject(dialog), m_list(list), m_output(output), m_outputRequest(std::move(outputRequest)),
      m_prompter(prompter), m_files(files), m_dialog(dialog)
{
    connect(&m_output, &QLineEdit::textChanged, this, &FileListField::changed);
}

bool FileListField::samePath(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath()))
        return true;
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

QStringList FileListField::paths() const
{
    QStringList out;
    for (int row = 0; row < m_list.count(); ++row)
        out << m_list.item(row)->text();
    return out;
}

std::vector<std::string> FileListField::stdPaths() const
{
    std::vector<std::string> out;
    for (const QString& path : paths())
        out.push_back(toStd(path));
    return out;
}

void FileListField::setPaths(const std::vector<std::string>& paths)
{
    m_list.clear();
    for (const std::string& path : paths)
        m_list.addItem(toQt(path));
    Q_EMIT changed();
}

bool FileListField::listed(const QString& path) const
{
    const QStringList present = paths();
    return std::any_of(present.begin(), present.end(), [&](const QString& p) { return samePath(p, path); });
}

int FileListField::firstSelectedRow() const
{
    for (int row = 0; row < m_list.count(); ++row)
        if (m_list.item(row)->isSelected())
            return row;
    return -1;
}

void FileListField::add()
{
    FileRequest request = FileRequest::xml(FileRequest::Mode::OpenMany, QCoreApplication::translate("FileListField", "Vali failid"));
    if (m_list.count() > 0)
        request.start = QFileInfo(m_list.item(m_list.count() - 1)->text()).absolutePath();
    const QStringList chosen = m_files.choose(m_dialog, request);
    for (const QString& path : chosen) {
        const QString native = QDir::toNativeSeparators(path);
        if (listed(path) || samePath(path, m_output.text())) {
            m_prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(toStd(QCoreApplication::translate("FileListField", kAlreadyListed)), toStd(native)));
            continue;
        }
        auto* item = new QListWidgetItem(native, &m_list);
        item->setSelected(true);
        m_list.setCurrentItem(item);
    }
    if (!chosen.isEmpty())
        Q_EMIT changed();
}

void FileListField::removeSelected()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    delete m_list.takeItem(row);
    if (m_list.count() > 0) {
        const int next = std::min(row, m_list.count() - 1);
        m_list.setCurrentRow(next);
    }
    Q_EMIT changed();
}

void FileListField::moveSelected(int step)
{
    const int row = firstSelectedRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_list.count())
        return;
    QListWidgetItem* item = m_list.takeItem(row);
    m_list.insertItem(target, item);
    m_list.clearSelection();
    m_list.setCurrentItem(item);
    item->setSelected(true);
    Q_EMIT changed();
}

void FileListField::chooseOutput()
{
    FileRequest request = m_outputRequest;
    if (!m_output.text().isEmpty())
        request.start = m_output.text();
    const QString path = m_files.chooseOne(m_dialog, request);
    if (path.isEmpty())
        return;
    const QString native = QDir::toNativeSeparators(path);
    if (listed(path)) {
        m_prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(toStd(QCoreApplication::translate("FileListField", kOutputListed)), toStd(native)));
        return;
    }
    m_output.setText(native);
}

}  // namespace pelmora::gui
