#include "app/ui/CHelpViewer.h"

#include "app/HelpPage.h"
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
    // A dialog running modally blocks every window but its own; help asked for from one
    // (the settings sheet's Help button) opens as a window of that dialog.
    QWidget* modalOwner = QApplication::activeModalWidget();
    CHelpViewer* viewer = OpenViewer();
    if (viewer && viewer->parentWidget() != modalOwner) {
        viewer->close();
        viewer = nullptr;
    }
    if (!viewer) {
        viewer = new CHelpViewer(modalOwner);
    }
    const QUrl source = QUrl::fromLocalFile(*page);
    if (viewer->source().adjusted(QUrl::RemoveFragment) != source) {
        viewer->setSource(source);
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

CHelpViewer::CHelpViewer(QWidget* modalOwner) : QTextBrowser(modalOwner) {
    setWindowFlags(Qt::Window);
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
