#include "memory/ui/CStatsWindow.h"

#include "controls/DialogPlacement.h"
#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/TextFile.h"
#include "memory/ui/StatsCharts.h"
#include "strings/StringTable.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <memory>

namespace {

// One chart per view, in the order the window lays them out.
using ChartMaker = QChart* (*)(const ProgressFigures&, const ChartStyle&);
constexpr ChartMaker kCharts[] = {RatingsChart, CardsChart, DueChart, MinutesChart, RetentionChart};

// Runs in a worker thread, on a connection of its own that lives only as long as the reading.
FiguresRead ReadFiguresAside(const QString& folder, const QString& library, const QDateTime& now,
                             double targetRetention) {
    FiguresRead read;
    const MemoryStore::Opened reader = MemoryStore::OpenReader(folder);
    read.result = reader.result;
    if (reader.store) {
        read.result =
            ComputeProgressFigures(*reader.store, library, now, targetRetention, &read.figures);
    }
    return read;
}

void ReplaceChart(QChartView* view, QChart* chart) {
    // The view lets go of its chart without deleting it.
    const std::unique_ptr<QChart> previous(view->chart());
    view->setChart(chart);
}

} // namespace

CStatsWindow::CStatsWindow(QString memoryFolder, const std::vector<StatsLibrary>& libraries,
                           const QString& currentLibrary, double targetRetention,
                           const QLocale& locale, QWidget* parent, Clock clock)
    : QDialog(parent), memoryFolder_(std::move(memoryFolder)), targetRetention_(targetRetention),
      locale_(locale), clock_(std::move(clock)), libraries_(new QComboBox(this)),
      status_(new QLabel(this)),
      export_(new QPushButton(StringText(StringId::StatsExportCsv), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(StringText(StringId::StatsCaption));

    libraries_->addItem(StringText(StringId::StatsAllLibraries), QString());
    for (const StatsLibrary& library : libraries) {
        libraries_->addItem(library.displayName, library.fileName);
    }
    libraries_->setCurrentIndex(std::max(0, libraries_->findData(currentLibrary)));
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(StringText(StringId::StatsLibraryLabel), this);
    label->setBuddy(libraries_);
    choice->addWidget(label);
    choice->addWidget(libraries_, 1);

    // The charts of a month of days take the whole width, the others share a row.
    auto* charts = new QGridLayout;
    for (std::size_t i = 0; i < std::size(kCharts); ++i) {
        auto* view = new QChartView(this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(320, 210);
        view->setFrameShape(QFrame::NoFrame);
        views_.push_back(view);
    }
    charts->addWidget(views_[0], 0, 0, 1, 3);
    charts->addWidget(views_[3], 1, 0, 1, 3);
    charts->addWidget(views_[1], 2, 0);
    charts->addWidget(views_[2], 2, 1);
    charts->addWidget(views_[4], 2, 2);
    // Wide enough for the forecast's first and last day, which Qt Charts leaves out when their
    // label is wider than a bar's room.
    views_[2]->setMinimumWidth(420);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(export_);
    export_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(charts, 1);
    layout->addLayout(bottom);

    connect(libraries_, &QComboBox::currentIndexChanged, this, &CStatsWindow::ReadFigures);
    connect(&reading_, &QFutureWatcher<FiguresRead>::finished, this,
            [this] { ShowFigures(reading_.result()); });
    connect(export_, &QPushButton::clicked, this, &CStatsWindow::ExportCsv);
    CenterOnScreen(this);
    ReadFigures();
}

// A reading still under way finishes on its own; its result is dropped with the watcher.
CStatsWindow::~CStatsWindow() = default;

void CStatsWindow::ReadFigures() {
    figures_.reset();
    export_->setEnabled(false);
    status_->setText(StringText(StringId::StatsLoading));
    // A new future replaces the one watched, and the result of an earlier choice is dropped.
    reading_.setFuture(QtConcurrent::run(ReadFiguresAside, memoryFolder_,
                                         libraries_->currentData().toString(), clock_(),
                                         targetRetention_));
}

void CStatsWindow::ShowFigures(const FiguresRead& read) {
    if (!read.result.ok()) {
        status_->setText(StringText(StringId::StatsReadFailed).arg(read.result.detail));
        return;
    }
    const ChartStyle style{palette(), font(), locale_};
    for (std::size_t i = 0; i < views_.size(); ++i) {
        ReplaceChart(views_[i], kCharts[i](read.figures, style));
    }
    figures_ = read.figures;
    status_->clear();
    export_->setEnabled(true);
    emit FiguresShown();
}

void CStatsWindow::ExportCsv() {
    const QString name =
        QStringLiteral("lexado-%1.csv").arg(figures_->days.back().day.toString(Qt::ISODate));
    const std::optional<QString> path =
        ChooseFile(this, {FileDialogMode::Save, QDir::home().filePath(name),
                          StringText(StringId::StatsCsvFilter), QStringLiteral("csv")});
    if (path && !ReplaceFileContents(*path, ProgressCsv(*figures_))) {
        ShowMessage(this, StringText(StringId::WriteFileError));
    }
}
