#pragma once

#include "app/ui/CHelpViewer.h"
#include "recitation/SettingsRecord.h"
#include "recitation/ui/CLexadoDlg.h"
#include "recitation/ui/WordFont.h"
#include "strings/LanguageSwitch.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/QuietSettings.h"
#include "tests/support/WordLists.h"

#include <QByteArrayList>
#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QMetaObject>
#include <QPaintEvent>
#include <QRegion>
#include <QtTest>

#include <memory>

// The main window over a program folder of its own: table.ini naming one library, that
// library in data/, and a Lexado.ini with the settings the test asks for. The resource folder
// is the build's output folder, which holds the real phonetic font. No language file is
// loaded: the texts are the program's own.
struct WindowRig {
    explicit WindowRig(const SettingsRecord& settings,
                       const QByteArrayList& lines = {"apple#苹果"}) {
        folder.write(QStringLiteral("table.ini"), "TOEFL#words.dat\r\n");
        folder.write(QStringLiteral("data/words.dat"), lines.join("\r\n") + "\r\n");
        folder.write(QStringLiteral("Lexado.ini"), RecordBytes(settings));
    }

    // Without a Lexado.ini: the defaults of a first start.
    WindowRig() { folder.write(QStringLiteral("table.ini"), "TOEFL#words.dat\r\n"); }

    CLexadoDlg& open(const QString& resourceFolder = QStringLiteral(LEXADO_OUTPUT_DIR)) {
        window = std::make_unique<CLexadoDlg>(folder.path(), resourceFolder, languages,
                                              HelpViewerWindows(resourceFolder));
        return *window;
    }

    // Opens and shows the window; true once it is on screen.
    bool show() {
        open().show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    ProgramFolder folder;
    LanguageSwitch languages{QStringLiteral(LEXADO_OUTPUT_DIR "/language")};
    std::unique_ptr<CLexadoDlg> window;
};

// One expiry of the word timer: what the engine does when it expires.
inline void NextWord(const CLexadoDlg& window) {
    const_cast<RecitationEngine&>(window.engine()).NextEntry();
}

// One expiry of the tick timer.
inline void Tick(const CLexadoDlg& window) {
    const_cast<RecitationEngine&>(window.engine()).Tick();
}

// Whether the word timer and the tick timer run.
inline bool TimersRun(const CLexadoDlg& window) {
    const RunningTimers timers = window.engine().runningTimers();
    return timers.wordPeriodMs != 0 && timers.tickPeriodMs != 0;
}

// Where the meaning is drawn and how large it is, in the word font.
inline QRect MeaningRect(const CLexadoDlg& window) {
    const QFontMetrics metrics(window.wordFont());
    return {window.entryLayout().meaning,
            QSize(metrics.horizontalAdvance(window.displayLine().meaning), metrics.height())};
}

// A colour of the record as the window paints it.
inline QColor Colour(std::uint32_t colorRef) {
    return QColor(RgbFromColorRef(colorRef));
}

// How many pixels of the window's picture inside `area` have exactly this colour.
inline int CountPixels(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixelColor(x, y).rgb() == color.rgb() ? 1 : 0;
        }
    }
    return count;
}

// The region of every paint the window receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* window) { window->installEventFilter(this); }

    QList<QRegion> regions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            regions.append(static_cast<QPaintEvent*>(event)->region());
        }
        return QObject::eventFilter(watched, event);
    }
};
