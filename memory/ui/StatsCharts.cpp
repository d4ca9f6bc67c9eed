#include "memory/ui/StatsCharts.h"

#include "strings/StringTable.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QPen>
#include <QPieSeries>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

QColor Colour(const ChartStyle& style, QPalette::ColorRole role) {
    return style.palette.color(QPalette::Active, role);
}

QChart* NewChart(const QString& title, const ChartStyle& style) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(Colour(style, QPalette::Base));
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    QFont titleFont = style.font;
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(Colour(style, QPalette::Text));
    chart->setTitle(title);
    chart->legend()->setFont(style.font);
    chart->legend()->setLabelColor(Colour(style, QPalette::Text));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void StyleAxis(QAbstractAxis* axis, const ChartStyle& style) {
    axis->setLabelsFont(style.font);
    axis->setLabelsColor(Colour(style, QPalette::Text));
    axis->setLinePenColor(Colour(style, QPalette::Mid));
    axis->setGridLineColor(Colour(style, QPalette::Midlight));
}

QBarSet* NewBarSet(const QString& name, QColor colour) {
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

// The days under a chart, written sideways so that many of them fit.
QBarCategoryAxis* DayAxis(const std::vector<QDate>& days, const ChartStyle& style) {
    auto* axis = new QBarCategoryAxis;
    for (QDate day : days) {
        axis->append(DayLabel(day, style.locale));
    }
    axis->setLabelsAngle(-90);
    axis->setTruncateLabels(false);
    axis->setGridLineVisible(false);
    StyleAxis(axis, style);
    return axis;
}

// A count axis from 0 to a little above the highest value, in whole numbers.
QValueAxis* CountAxis(double highest, const ChartStyle& style) {
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(highest, 4.0));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    StyleAxis(axis, style);
    return axis;
}

// Bars per day, named in the legend, with a category axis of the days and a count axis.
QChart* DailyBarChart(const QString& title, const QString& name, const std::vector<QDate>& days,
                      const std::vector<double>& values, const ChartStyle& style) {
    QChart* chart = NewChart(title, style);
    QBarSet* set = NewBarSet(name, Colour(style, QPalette::Highlight));
    for (double value : values) {
        set->append(value);
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    QBarCategoryAxis* dayAxis = DayAxis(days, style);
    QValueAxis* countAxis = CountAxis(*std::max_element(values.begin(), values.end()), style);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(dayAxis);
    series->attachAxis(countAxis);
    return chart;
}

std::vector<QDate> PastDays(const ProgressFigures& figures) {
    std::vector<QDate> days;
    for (const ProgressDay& day : figures.days) {
        days.push_back(day.day);
    }
    return days;
}

QString Percent(double share, const QLocale& locale) {
    return locale.toString(share * 100, 'f', 0) + locale.percent();
}

} // namespace

QString DayLabel(QDate day, const QLocale& locale) {
    static const QRegularExpression year(QStringLiteral("^y+[^dM]*|[^dM]*y+"));
    return locale.toString(day, locale.dateFormat(QLocale::ShortFormat).remove(year));
}

QChart* RatingsChart(const ProgressFigures& figures, const ChartStyle& style) {
    QChart* chart =
        NewChart(StringText(StringId::StatsRatingsTitle).arg(ProgressFigures::kPastDays), style);
    QBarSet* known =
        NewBarSet(StringText(StringId::StatsKnown), Colour(style, QPalette::Highlight));
    QBarSet* again = NewBarSet(StringText(StringId::StatsAgain), Colour(style, QPalette::Mid));
    auto* exposures = new QLineSeries;
    exposures->setName(StringText(StringId::StatsExposures));
    exposures->setPen(QPen(Colour(style, QPalette::Text), 2));
    double highest = 0;
    for (std::size_t i = 0; i < figures.days.size(); ++i) {
        const ProgressDay& day = figures.days[i];
        known->append(day.known);
        again->append(day.again);
        exposures->append(double(i), day.exposures);
        highest = std::max({highest, double(day.known + day.again), double(day.exposures)});
    }
    auto* bars = new QStackedBarSeries;
    bars->append(known);
    bars->append(again);
    chart->addSeries(bars);
    chart->addSeries(exposures);
    QBarCategoryAxis* dayAxis = DayAxis(PastDays(figures), style);
    QValueAxis* countAxis = CountAxis(highest, style);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(dayAxis);
        series->attachAxis(countAxis);
    }
    return chart;
}

QChart* CardsChart(const ProgressFigures& figures, const ChartStyle& style) {
    QChart* chart = NewChart(StringText(StringId::StatsCardsTitle), style);
    auto* ring = new QPieSeries;
    ring->setHoleSize(0.5);
    const struct {
        StringId label;
        int count;
        QPalette::ColorRole colour;
    } slices[] = {
        {StringId::StatsNewCards, figures.newCards, QPalette::Mid},
        {StringId::StatsLearningCards, figures.learningCards, QPalette::Dark},
        {StringId::StatsKnownCards, figures.knownCards, QPalette::Highlight},
    };
    for (const auto& slice : slices) {
        QPieSlice* piece = ring->append(
            StringText(slice.label).arg(style.locale.toString(slice.count)), slice.count);
        piece->setColor(Colour(style, slice.colour));
        piece->setBorderColor(Colour(style, QPalette::Base));
    }
    chart->addSeries(ring);
    chart->legend()->setAlignment(Qt::AlignRight);
    // The legend gets the room its longest label needs, the ring what is left.
    qreal widest = 0;
    for (const QPieSlice* piece : ring->slices()) {
        widest =
            std::max<qreal>(widest, QFontMetricsF(style.font).horizontalAdvance(piece->label()));
    }
    chart->legend()->setMinimumWidth(widest + 3 * QFontMetricsF(style.font).height());
    return chart;
}

QChart* DueChart(const ProgressFigures& figures, const ChartStyle& style) {
    std::vector<QDate> days;
    std::vector<double> cards;
    for (const DueDay& day : figures.due) {
        days.push_back(day.day);
        cards.push_back(day.cards);
    }
    return DailyBarChart(StringText(StringId::StatsDueTitle).arg(ProgressFigures::kForecastDays),
                         StringText(StringId::StatsDue), days, cards, style);
}

QChart* MinutesChart(const ProgressFigures& figures, const ChartStyle& style) {
    std::vector<double> minutes;
    for (const ProgressDay& day : figures.days) {
        minutes.push_back(day.seconds / 60.0);
    }
    const QString title =
        StringText(StringId::StatsMinutesTitle).arg(ProgressFigures::kPastDays) +
        QStringLiteral(" \u00b7 ") +
        StringText(StringId::StatsStreak).arg(style.locale.toString(figures.streak));
    return DailyBarChart(title, StringText(StringId::StatsMinutes), PastDays(figures), minutes,
                         style);
}

// The retention reached and the target as two bars of their own colours: one set per bar,
// with nothing at the other's place. Each bar is named with its share below it, on two lines.
QChart* RetentionChart(const ProgressFigures& figures, const ChartStyle& style) {
    QChart* chart =
        NewChart(StringText(StringId::StatsRetentionTitle).arg(ProgressFigures::kPastDays), style);
    const std::optional<double> reached = figures.Retention();
    const QString reachedLabel =
        StringText(StringId::StatsRetentionReached) + QStringLiteral("<br>") +
        (reached ? Percent(*reached, style.locale) : StringText(StringId::StatsNoDueRatings));
    const QString targetLabel = StringText(StringId::StatsRetentionTarget) +
                                QStringLiteral("<br>") +
                                Percent(figures.targetRetention, style.locale);
    QBarSet* reachedBar = NewBarSet(reachedLabel, Colour(style, QPalette::Highlight));
    *reachedBar << reached.value_or(0) * 100 << 0;
    QBarSet* targetBar = NewBarSet(targetLabel, Colour(style, QPalette::Mid));
    *targetBar << 0 << figures.targetRetention * 100;
    auto* bars = new QStackedBarSeries;
    bars->append(reachedBar);
    bars->append(targetBar);
    chart->addSeries(bars);
    auto* names = new QBarCategoryAxis;
    names->append({reachedLabel, targetLabel});
    names->setGridLineVisible(false);
    // Qt Charts measures a label's markup as text, so it would cut a label that fits.
    names->setTruncateLabels(false);
    StyleAxis(names, style);
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%.0f"));
    StyleAxis(share, style);
    chart->addAxis(names, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    bars->attachAxis(names);
    bars->attachAxis(share);
    chart->legend()->hide();
    return chart;
}
