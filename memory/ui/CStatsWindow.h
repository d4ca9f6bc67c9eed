#pragma once

#include "memory/ProgressFigures.h"
#include "memory/StatsModule.h"

#include <QDateTime>
#include <QDialog>
#include <QFutureWatcher>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

// What a reading of the memory gave.
struct FiguresRead {
    StoreResult result;
    ProgressFigures figures;
};

// The statistics window: a choice of library (or all) and five charts of the memory's figures,
// with the figures behind them exported as CSV. It is not modal and deletes itself when
// closed; Escape closes it. The memory is read on a connection of its own in a worker thread,
// so the recitation goes on while it reads, and the charts fill in when the figures arrive.
class CStatsWindow : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // memoryFolder holds memory.sqlite (the program folder); currentLibrary is the file name
    // of the library to show first, one of `libraries` (else all are shown); targetRetention
    // is the share the schedule aims at, as 0.9; dates and numbers are written in `locale`,
    // the interface language's.
    CStatsWindow(QString memoryFolder, const std::vector<StatsLibrary>& libraries,
                 const QString& currentLibrary, double targetRetention, const QLocale& locale,
                 QWidget* parent = nullptr, Clock clock = &QDateTime::currentDateTime);
    ~CStatsWindow() override;

    // The figures the charts show, once they have arrived.
    const std::optional<ProgressFigures>& Figures() const { return figures_; }

signals:
    void FiguresShown();

private:
    void ReadFigures();
    void ShowFigures(const FiguresRead& read);
    void ExportCsv();

    const QString memoryFolder_;
    const double targetRetention_;
    const QLocale locale_;
    const Clock clock_;

    QComboBox* libraries_;
    std::vector<QChartView*> views_;
    QLabel* status_;
    QPushButton* export_;
    QFutureWatcher<FiguresRead> reading_;
    std::optional<ProgressFigures> figures_;
};
