#include "strings/LanguageChoice.h"

#include <algorithm>
#include <array>

namespace {

struct LocaleId {
    QLocale::Language language;
    QLocale::Territory territory;
    LanguageId id;
};

// Windows language ids: the primary language in the low ten bits, the sub-language (the
// region) above them. Every language a file exists for, in its regions, and the languages of
// the larger desktops besides, which all start in English.
constexpr std::array kLocaleIds{
    LocaleId{QLocale::Chinese, QLocale::Taiwan, 0x0404},
    LocaleId{QLocale::Chinese, QLocale::China, 0x0804},
    LocaleId{QLocale::Chinese, QLocale::HongKong, 0x0C04},
    LocaleId{QLocale::Chinese, QLocale::Singapore, 0x1004},
    LocaleId{QLocale::Chinese, QLocale::Macao, 0x1404},
    LocaleId{QLocale::German, QLocale::Germany, 0x0407},
    LocaleId{QLocale::German, QLocale::Switzerland, 0x0807},
    LocaleId{QLocale::German, QLocale::Austria, 0x0C07},
    LocaleId{QLocale::German, QLocale::Luxembourg, 0x1007},
    LocaleId{QLocale::German, QLocale::Liechtenstein, 0x1407},
    LocaleId{QLocale::English, QLocale::UnitedStates, 0x0409},
    LocaleId{QLocale::English, QLocale::UnitedKingdom, 0x0809},
    LocaleId{QLocale::English, QLocale::Australia, 0x0C09},
    LocaleId{QLocale::English, QLocale::Canada, 0x1009},
    LocaleId{QLocale::English, QLocale::NewZealand, 0x1409},
    LocaleId{QLocale::English, QLocale::Ireland, 0x1809},
    LocaleId{QLocale::English, QLocale::SouthAfrica, 0x1C09},
    LocaleId{QLocale::English, QLocale::Philippines, 0x3409},
    LocaleId{QLocale::English, QLocale::India, 0x4009},
    LocaleId{QLocale::English, QLocale::Malaysia, 0x4409},
    LocaleId{QLocale::English, QLocale::Singapore, 0x4809},
    LocaleId{QLocale::Spanish, QLocale::Mexico, 0x080A},
    LocaleId{QLocale::Spanish, QLocale::Spain, 0x0C0A},
    LocaleId{QLocale::Spanish, QLocale::Colombia, 0x240A},
    LocaleId{QLocale::Spanish, QLocale::Argentina, 0x2C0A},
    LocaleId{QLocale::Spanish, QLocale::Chile, 0x340A},
    LocaleId{QLocale::Spanish, QLocale::UnitedStates, 0x540A},
    LocaleId{QLocale::French, QLocale::France, 0x040C},
    LocaleId{QLocale::French, QLocale::Belgium, 0x080C},
    LocaleId{QLocale::French, QLocale::Canada, 0x0C0C},
    LocaleId{QLocale::French, QLocale::Switzerland, 0x100C},
    LocaleId{QLocale::French, QLocale::Luxembourg, 0x140C},
    LocaleId{QLocale::French, QLocale::Monaco, 0x180C},
    LocaleId{QLocale::Japanese, QLocale::Japan, 0x0411},
    LocaleId{QLocale::Korean, QLocale::SouthKorea, 0x0412},
    LocaleId{QLocale::Russian, QLocale::Russia, 0x0419},
    LocaleId{QLocale::Russian, QLocale::Moldova, 0x0819},
    LocaleId{QLocale::Italian, QLocale::Italy, 0x0410},
    LocaleId{QLocale::Dutch, QLocale::Netherlands, 0x0413},
    LocaleId{QLocale::Polish, QLocale::Poland, 0x0415},
    LocaleId{QLocale::Portuguese, QLocale::Brazil, 0x0416},
    LocaleId{QLocale::Portuguese, QLocale::Portugal, 0x0816},
    LocaleId{QLocale::Turkish, QLocale::Turkey, 0x041F},
    LocaleId{QLocale::Ukrainian, QLocale::Ukraine, 0x0422},
    LocaleId{QLocale::Vietnamese, QLocale::Vietnam, 0x042A},
    LocaleId{QLocale::Thai, QLocale::Thailand, 0x041E},
    LocaleId{QLocale::Arabic, QLocale::SaudiArabia, 0x0401},
};

constexpr LanguageId kPrimaryLanguageMask = 0x03FF;

struct IdFile {
    LanguageId id;
    const char* file;
};

// The start-up table; every id not in it gets English. Spain reports 0x0C0A (the modern sort
// order) on current systems, so it stands beside 0x040A (the traditional one) for Spanish.
constexpr std::array kStartupFiles{
    IdFile{0x0804, "pChinese"}, IdFile{0x0404, "cChinese"}, IdFile{0x0C04, "cChinese"},
    IdFile{0x1004, "cChinese"}, IdFile{0x0411, "Japanese"}, IdFile{0x0412, "Korean"},
    IdFile{0x0812, "Korean"},   IdFile{0x0407, "German"},   IdFile{0x0807, "German"},
    IdFile{0x0C07, "German"},   IdFile{0x1007, "German"},   IdFile{0x1407, "German"},
    IdFile{0x040C, "French"},   IdFile{0x080C, "French"},   IdFile{0x0C0C, "French"},
    IdFile{0x100C, "French"},   IdFile{0x140C, "French"},   IdFile{0x040A, "Spanish"},
    IdFile{0x0C0A, "Spanish"},  IdFile{0x0419, "Russian"},
};

// The language commands know the first five names, by their place; the menu offers the first
// four of them.
constexpr int kIndexedLanguages = 5;
constexpr int kMenuRows = 4;

} // namespace

const QStringList& LanguageNames() {
    static const QStringList names{
        QStringLiteral("pChinese"), QStringLiteral("cChinese"), QStringLiteral("English"),
        QStringLiteral("Japanese"), QStringLiteral("Korean"),   QStringLiteral("German"),
        QStringLiteral("French"),   QStringLiteral("Spanish"),  QStringLiteral("Russian"),
    };
    return names;
}

LanguageId LanguageIdForLocale(const QLocale& locale) {
    const auto sameLanguage = [&](const LocaleId& entry) {
        return entry.language == locale.language();
    };
    const auto exact = std::ranges::find_if(kLocaleIds, [&](const LocaleId& entry) {
        return sameLanguage(entry) && entry.territory == locale.territory();
    });
    if (exact != kLocaleIds.end()) {
        return exact->id;
    }
    const auto anyRegion = std::ranges::find_if(kLocaleIds, sameLanguage);
    return anyRegion != kLocaleIds.end() ? anyRegion->id & kPrimaryLanguageMask : 0;
}

QString LanguageFileForId(LanguageId id) {
    const auto found =
        std::ranges::find_if(kStartupFiles, [id](const IdFile& entry) { return entry.id == id; });
    if (found == kStartupFiles.end()) {
        return QStringLiteral("English");
    }
    return QLatin1String(found->file);
}

std::optional<QString> LanguageFileForIndex(int index) {
    if (index < 0 || index >= kIndexedLanguages) {
        return std::nullopt;
    }
    return LanguageNames().at(index);
}

std::optional<int> MenuIndexForLanguage(const QString& name) {
    const qsizetype index = LanguageNames().indexOf(name);
    if (index < 0 || index >= kMenuRows) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

std::optional<QString> LanguageFromOption(const QString& value) {
    for (const QString& name : LanguageNames()) {
        if (name.compare(value, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return std::nullopt;
}

QString StartupLanguage(const std::optional<QString>& languageOption, const QLocale& desktop) {
    if (languageOption) {
        return *languageOption;
    }
    return LanguageFileForId(LanguageIdForLocale(desktop));
}
