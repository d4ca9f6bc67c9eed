#pragma once

#include "memory/ProgressFigures.h"

#include <QFont>
#include <QLocale>
#include <QPalette>
#include <QString>

class QChart;

// How the charts look: the window's palette and font, dates and numbers in the interface
// language.
struct ChartStyle {
    QPalette palette;
    QFont font;
    QLocale locale;
};

// The short form of a day in the locale: its short date format without the year ("3/9",
// "09.03.", "3月9日" style), so that a month of days fits under a chart.
QString DayLabel(QDate day, const QLocale& locale);

// The five charts of the statistics window, each new and owned by the caller.
QChart* RatingsChart(const ProgressFigures& figures, const ChartStyle& style);
QChart* CardsChart(const ProgressFigures& figures, const ChartStyle& style);
QChart* DueChart(const ProgressFigures& figures, const ChartStyle& style);
QChart* MinutesChart(const ProgressFigures& figures, const ChartStyle& style);
QChart* RetentionChart(const ProgressFigures& figures, const ChartStyle& style);
