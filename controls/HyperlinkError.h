#pragma once

#include <QString>

// The text of the box that reports a link that could not be opened, for the number of the
// reason (see OpenError). It is English in every interface language.
QString HyperlinkErrorText(int code);
