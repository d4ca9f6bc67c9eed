#include "controls/FileDialog.h"

#include "controls/AnswersInAdvance.h"

#include <QFileDialog>

std::optional<QString> ChooseFile(QWidget* parent, const FileDialogOptions& options) {
    if (AnswersInAdvance::Enabled()) {
        return AnswersInAdvance::AnswerFileDialog(options);
    }
    QFileDialog dialog(parent, QString(), options.folder, options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (options.mode == FileDialogMode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}
