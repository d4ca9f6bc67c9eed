#include "controls/FileDialog.h"

#include <QFileDialog>

namespace {

struct Answers {
    bool enabled = false;
    QList<std::optional<QString>> queued;
    QList<FileDialogOptions> shown;
};

Answers& TheAnswers() {
    static Answers answers;
    return answers;
}

std::optional<QString> AnswerInAdvance(const FileDialogOptions& options) {
    Answers& answers = TheAnswers();
    answers.shown.append(options);
    if (!answers.queued.isEmpty()) {
        return answers.queued.takeFirst();
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ChooseFile(QWidget* parent, const FileDialogOptions& options) {
    if (TheAnswers().enabled) {
        return AnswerInAdvance(options);
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

namespace FileDialogAnswers {

void Enable(bool on) {
    TheAnswers().enabled = on;
}

void Queue(std::optional<QString> answer) {
    TheAnswers().queued.append(std::move(answer));
}

QList<FileDialogOptions> Shown() {
    return TheAnswers().shown;
}

void Clear() {
    TheAnswers().queued.clear();
    TheAnswers().shown.clear();
}

} // namespace FileDialogAnswers
