#include "app/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace pelmora::gui {

QStringList DialogFileChooser::choose(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.start, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Save: a name typed without an extension takes the chosen filter's: "CoNLL-U (*.conllu)" gives
    // ".conllu"; a proposed name with another offered filter's extension changes with it.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
        static const QRegularExpression first(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
        const QRegularExpressionMatch match = first.match(filter);
        if (request.mode != FileRequest::Mode::Save || !match.hasMatch())
            return;
        const QString suffix = match.captured(1);
        dialog.setDefaultSuffix(suffix);
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.size() != 1)
            return;
        const QFileInfo name(chosen.front());
        if (!name.suffix().isEmpty() && name.suffix() != suffix &&
            request.filter.contains(QStringLiteral("*.") + name.suffix() + QLatin1Char(')')))
            dialog.selectFile(name.completeBaseName() + QLatin1Char('.') + suffix);
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
