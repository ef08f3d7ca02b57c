#include "app/filechooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace pelmora::gui {

QStringList DialogFileChooser::choose(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.start, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without an extension takes the chosen filter's: "CoNLL-U (*.conllu)" gives ".conllu".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        static const QRegularExpression first(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
        const QRegularExpressionMatch match = first.match(filter);
        if (match.hasMatch())
            dialog.setDefaultSuffix(match.captured(1));
    });
    switch (request.mode) {
    case FileRequest::Mode::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileRequest::Mode::OpenMany:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case FileRequest::Mode::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        break;
    case FileRequest::Mode::Folder:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

}  // namespace pelmora::gui
