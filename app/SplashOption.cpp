#include "app/SplashOption.h"

bool IsEmbeddingSwitch(QStringView argument) {
    if (argument.size() < 2 || (argument[0] != u'/' && argument[0] != u'-')) {
        return false;
    }
    const QStringView word = argument.sliced(1);
    return word.compare(u"Embedding", Qt::CaseInsensitive) == 0 ||
           word.compare(u"Automation", Qt::CaseInsensitive) == 0;
}
