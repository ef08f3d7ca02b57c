#include "app/filechooser.h"

#include <QFileDialog>

namespace pelmora::gui {

QStringList DialogFileChooser::choose(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.start, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
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
