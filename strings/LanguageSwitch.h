#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>

// The interface language in use: a language file, language/<Name>.qm, installed as the
// application's translator, with Qt's own translation of the same language (qtbase_<code>.qm
// from Qt's translations folder) so that Qt's dialogs speak it too. Switching installs the new
// files in place of the old ones; what is opened afterwards uses them. Destroying the switch
// removes its translators.
class LanguageSwitch {
public:
    explicit LanguageSwitch(QString languageFolder,
                            QString qtTranslationsFolder = QtTranslationsFolder());
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Loads language/<name>.qm and makes it the language in use. A file that cannot be loaded
    // changes nothing and gives false. Qt's own translation follows when there is one; without
    // it Qt's dialogs speak English.
    bool LoadLanguage(const QString& name);

    // A language command: the file of the index (see LanguageFileForIndex).
    bool SwitchLanguage(int index);

    // Start-up: the chosen language, or English when its file cannot be loaded. False when
    // English cannot be loaded either: the program cannot show its texts and ends.
    bool LoadStartupLanguage(const QString& name);

    // The name of the language file in use; empty before one was loaded.
    QString LanguageInUse() const { return languageInUse_; }
    // The locale of the language in use, for dates and numbers written in it.
    QLocale LocaleInUse() const;

    // Where Qt keeps its own translations on this system.
    static QString QtTranslationsFolder();

private:
    QString languageFolder_;
    QString qtTranslationsFolder_;
    QString languageInUse_;
    std::unique_ptr<QTranslator> language_;
    std::unique_ptr<QTranslator> qtOwn_;
};
