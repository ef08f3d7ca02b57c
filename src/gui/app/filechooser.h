// How the window asks for a file name: through the file dialogs, or from a queue in tests.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

namespace pelmora::gui {

struct FileRequest {
    enum class Mode { Open, OpenMany, Save, Folder };
    Mode mode = Mode::Open;
    QString title;
    QString filter;         // Qt's filter form: "XML-failid (*.xml)"; empty offers every file
    QString defaultSuffix;  // appended to a typed name without one ("xml"); with several filters
                            // the chosen filter's first extension is appended instead
    QString start;          // the folder or file the dialog starts in
    // Save: the dialog asks before an existing file is chosen; false where the core asks itself.
    bool confirmOverwrite = true;

    // A request for XML files: "XML-failid (*.xml)", and a typed name without a suffix gets "xml".
    static FileRequest xml(Mode mode, const QString& title, const QString& start = {})
    {
        return {mode, title, QCoreApplication::translate("FileRequest", "XML-failid (*.xml)"), QStringLiteral("xml"), start, true};
    }
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen paths: one for Open, Save and Folder, any number for OpenMany; none when the
    // user cancelled.
    virtual QStringList choose(QWidget* parent, const FileRequest& request) = 0;
    // The one chosen path, or an empty string when the user cancelled.
    QString chooseOne(QWidget* parent, const FileRequest& request)
    {
        const QStringList paths = choose(parent, request);
        return paths.isEmpty() ? QString() : paths.front();
    }
};

// The desktop's file dialogs.
class DialogFileChooser final : public FileChooser {
public:
    QStringList choose(QWidget* parent, const FileRequest& request) override;
};

// Answers from a queue (an empty answer cancels) and remembers every request; for tests.
class QueuedFileChooser final : public FileChooser {
public:
    void queue(const QStringList& paths) { m_answers.push_back(paths); }
    void queue(const QString& path) { m_answers.push_back(path.isEmpty() ? QStringList() : QStringList{path}); }
    QStringList choose(QWidget*, const FileRequest& request) override
    {
        m_requests.push_back(request);
        if (m_answers.empty())
            return {};
        QStringList answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    const std::deque<FileRequest>& requests() const { return m_requests; }

private:
    std::deque<QStringList> m_answers;
    std::deque<FileRequest> m_requests;
};

}  // namespace pelmora::gui
