#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The plain text of a field written in HTML, as flashcard programs store it: tags are dropped
// (those that break a line, such as <br> and <div>, leave a space), character references
// (&amp;, &lt;, &#233;, &#xE9;, ...) become their characters, &nbsp; a space, and runs of white
// space one space, as a browser shows them. Text and result are UTF-8. A '<' that cannot begin
// a tag and an unknown reference are kept as they are.
QByteArray PlainTextOfHtml(QByteArrayView html);
