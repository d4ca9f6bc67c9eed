#pragma once

#include <QIODevice>
#include <QString>
#include <QXmlStreamReader>

// Walks the elements of an XML document without recursion and with a bound on their nesting:
// an element deeper than `maxDepth` is an error at its line, so that no document, however
// deeply nested, takes more than a bounded amount of stack or of work per element. The calls
// mirror QXmlStreamReader's element calls, which they replace: QXmlStreamReader's own
// readElementText(IncludeChildElements) calls itself once per nested element.
class BoundedXmlReader {
public:
    BoundedXmlReader(QIODevice* device, int maxDepth);

    QXmlStreamReader& xml() { return xml_; }

    // Reads on to the next child element of the current element: true when it starts one,
    // false at the current element's end (or the document's, or an error).
    bool NextChildElement();
    // Reads on past the end of the current element.
    void SkipElement();
    // The current element's text, its child elements' included, read to its end.
    QString ElementText();

private:
    // The next token, the depth kept up to date; an error once it passes the bound.
    QXmlStreamReader::TokenType Next();

    QXmlStreamReader xml_;
    int maxDepth_;
    int depth_ = 0;
};
