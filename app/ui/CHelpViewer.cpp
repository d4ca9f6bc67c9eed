#include "app/ui/CHelpViewer.h"

#include "app/HelpPage.h"
#include "app/HelpPlacement.h"
#include "strings/StringTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

constexpr QSize kWindowSize(720, 600);

} // namespace

CHelpViewer* CHelpViewer::ShowHelp(const QString& resourceFolder, const QString& language) {
    const std::optional<QString> page = HelpPagePath(resourceFolder, language);
    if (!page) {
        return nullptr;
    }
    CHelpViewer* viewer = OpenViewer();
    if (!viewer) {
        viewer = new CHelpViewer;
    }
    const QUrl source = QUrl::fromLocalFile(*page);
    if (viewer->source().adjusted(QUrl::RemoveFragment) != source) {
        viewer->setSource(source);
    }
    // Help asked for from a dialog (the settings sheet's Help button) leaves it in view.
    if (const QWidget* dialog = QApplication::activeModalWidget()) {
        viewer->StandBeside(*dialog);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

// Deleted at once rather than closed: the program may be ending, with no event loop left to
// delete a closed window.
void CHelpViewer::CloseAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<CHelpViewer*>(window)) {
            delete viewer;
        }
    }
}

CHelpViewer* CHelpViewer::OpenViewer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* viewer = qobject_cast<CHelpViewer*>(window);
        if (viewer && viewer->isVisible()) {
            return viewer;
        }
    }
    return nullptr;
}

CHelpViewer::CHelpViewer() {
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = documentTitle();
        setWindowTitle(title.isEmpty() ? StringText(StringId::ProgramName) : title);
    });
    QRect frame(QPoint(), kWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    setGeometry(frame);
}

// A window not shown yet has no frame so far: it is taken to get one like the dialog's.
void CHelpViewer::StandBeside(const QWidget& dialog) {
    const QRect dialogFrame = dialog.frameGeometry();
    const QSize decoration =
        isVisible() ? frameGeometry().size() - size() : dialogFrame.size() - dialog.size();
    const QRect frame(frameGeometry().topLeft(), size() + decoration);
    if (!frame.intersects(dialogFrame)) {
        return;
    }
    const QRect beside =
        HelpFrameBeside(frame.size(), dialogFrame, dialog.screen()->availableGeometry());
    resize(beside.size() - decoration);
    move(beside.topLeft());
}

void CHelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

HelpWindows HelpViewerWindows(const QString& resourceFolder) {
    return {[resourceFolder](const QString& language) {
                CHelpViewer::ShowHelp(resourceFolder, language);
            },
            &CHelpViewer::CloseAll};
}
