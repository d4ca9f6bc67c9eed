#include "library/BoundedXmlReader.h"

BoundedXmlReader::BoundedXmlReader(QIODevice* device, int maxDepth)
    : xml_(device), maxDepth_(maxDepth) {}

QXmlStreamReader::TokenType BoundedXmlReader::Next() {
    const QXmlStreamReader::TokenType token = xml_.readNext();
    if (token == QXmlStreamReader::StartElement && ++depth_ > maxDepth_) {
        xml_.raiseError(QStringLiteral("elements nested too deeply"));
        return QXmlStreamReader::Invalid;
    }
    if (token == QXmlStreamReader::EndElement) {
        --depth_;
    }
    return token;
}

bool BoundedXmlReader::NextChildElement() {
    while (!xml_.atEnd()) {
        switch (Next()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            return false;
        default:
            break;
        }
    }
    return false;
}

void BoundedXmlReader::SkipElement() {
    for (int open = 1; open > 0 && !xml_.atEnd();) {
        const QXmlStreamReader::TokenType token = Next();
        open += token == QXmlStreamReader::StartElement ? 1
                : token == QXmlStreamReader::EndElement ? -1
                                                        : 0;
    }
}

QString BoundedXmlReader::ElementText() {
    QString text;
    for (int open = 1; open > 0 && !xml_.atEnd();) {
        switch (Next()) {
        case QXmlStreamReader::StartElement:
            ++open;
            break;
        case QXmlStreamReader::EndElement:
            --open;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += xml_.text();
            break;
        default:
            break;
        }
    }
    return text;
}
