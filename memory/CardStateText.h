#pragma once

#include "memory/Card.h"

#include <QDateTime>
#include <QString>

// The state of a word's card as the tooltip tells it: "新词" (no card, or never rated), "学习中",
// "已掌握 · 下次 3 天后", or "已掌握 · 今天复习" once it is due.
QString CardStateText(const Card* card, const QDateTime& now);
