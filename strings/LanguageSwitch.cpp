#include "strings/LanguageSwitch.h"

#include "strings/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>

#include <utility>

namespace {

// The locale code of Qt's own translation file for each language file.
QString QtLanguageCode(const QString& name) {
    static const QHash<QString, QString> codes{
        {QStringLiteral("pChinese"), QStringLiteral("zh_CN")},
        {QStringLiteral("cChinese"), QStringLiteral("zh_TW")},
        {QStringLiteral("English"), QStringLiteral("en")},
        {QStringLiteral("Japanese"), QStringLiteral("ja")},
        {QStringLiteral("Korean"), QStringLiteral("ko")},
        {QStringLiteral("German"), QStringLiteral("de")},
        {QStringLiteral("French"), QStringLiteral("fr")},
        {QStringLiteral("Spanish"), QStringLiteral("es")},
        {QStringLiteral("Russian"), QStringLiteral("ru")},
    };
    return codes.value(name);
}

// Installs a translator in place of the one held; either may be null.
void Replace(std::unique_ptr<QTranslator>& held, std::unique_ptr<QTranslator> next) {
    if (next) {
        QCoreApplication::installTranslator(next.get());
    }
    if (held) {
        QCoreApplication::removeTranslator(held.get());
    }
    held = std::move(next);
}

} // namespace

LanguageSwitch::LanguageSwitch(QString languageFolder, QString qtTranslationsFolder)
    : languageFolder_(std::move(languageFolder)),
      qtTranslationsFolder_(std::move(qtTranslationsFolder)) {}

LanguageSwitch::~LanguageSwitch() {
    Replace(language_, nullptr);
    Replace(qtOwn_, nullptr);
}

QString LanguageSwitch::QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool LanguageSwitch::LoadLanguage(const QString& name) {
    if (!LanguageNames().contains(name)) {
        return false;
    }
    auto language = std::make_unique<QTranslator>();
    if (!language->load(QDir(languageFolder_).filePath(name + QStringLiteral(".qm")))) {
        return false;
    }
    auto qtOwn = std::make_unique<QTranslator>();
    const QString qtFile = QStringLiteral("qtbase_%1.qm").arg(QtLanguageCode(name));
    if (!qtOwn->load(QDir(qtTranslationsFolder_).filePath(qtFile))) {
        qtOwn.reset();
    }
    Replace(language_, std::move(language));
    Replace(qtOwn_, std::move(qtOwn));
    languageInUse_ = name;
    return true;
}

bool LanguageSwitch::SwitchLanguage(int index) {
    const std::optional<QString> name = LanguageFileForIndex(index);
    return name && LoadLanguage(*name);
}

bool LanguageSwitch::LoadStartupLanguage(const QString& name) {
    return LoadLanguage(name) || LoadLanguage(QStringLiteral("English"));
}

QLocale LanguageSwitch::LocaleInUse() const {
    return QLocale(QtLanguageCode(languageInUse_));
}
