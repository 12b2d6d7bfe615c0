#include "i18n/LanguageManager.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace {
LanguageManager::TopLevelNotifier& notifier()
{
    static LanguageManager::TopLevelNotifier n;
    return n;
}

const QString kCatalogDir = QStringLiteral(":/i18n");
const QString kSettingsGroup = QStringLiteral("ui");
const QString kSettingsKey = QStringLiteral("language");

// Languages reached through the first two letters of a system locale. Chinese has its own
// rule (script and region decide) and English is reached only by an exact match.
const QStringList& twoLetterLanguages()
{
    static const QStringList list{QStringLiteral("ja"), QStringLiteral("ko"), QStringLiteral("de"),
                                  QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("pt"),
                                  QStringLiteral("ru")};
    return list;
}
} // namespace

LanguageManager::LanguageManager(QObject* parent) : QObject(parent) {}

LanguageManager::~LanguageManager()
{
    removeInstalledTranslator();
}

void LanguageManager::setTopLevelNotifier(TopLevelNotifier n)
{
    notifier() = std::move(n);
}

QList<QPair<QString, QString>> LanguageManager::availableLanguages()
{
    return {
        {QStringLiteral("en"), QStringLiteral("English")},     {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")}, {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},      {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},    {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt"), QStringLiteral("Português")},   {QStringLiteral("ru"), QStringLiteral("Русский")},
    };
}

QString LanguageManager::normalizeLocaleCode(const QString& code)
{
    QString normalized = code.trimmed();
    normalized.replace(QLatin1Char('-'), QLatin1Char('_'));
    return normalized;
}

QString LanguageManager::canonicalCode(const QString& code)
{
    const auto languages = availableLanguages();
    for (const auto& language : languages) {
        if (language.first.compare(code, Qt::CaseInsensitive) == 0)
            return language.first;
    }
    return {};
}

void LanguageManager::removeInstalledTranslator()
{
    for (QTranslator** t : {&m_qtTranslator, &m_translator}) {
        if (!*t)
            continue;
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
}

bool LanguageManager::loadTranslation(const QString& code)
{
    if (!QCoreApplication::instance())
        return false;

    removeInstalledTranslator();

    auto* translator = new QTranslator(this);
    if (!translator->load(QStringLiteral("quilbex_%1.qm").arg(code), kCatalogDir)
        && !translator->load(QStringLiteral("quilbex_en.qm"), kCatalogDir)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    m_translator = translator;

    // Standard buttons of message boxes and dialogs ("Yes", "Cancel", ...) come from Qt's
    // own catalog; without one they simply stay English.
    if (code != QLatin1String("en")) {
        auto* qtTranslator = new QTranslator(this);
        if (qtTranslator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator);
            m_qtTranslator = qtTranslator;
        } else {
            delete qtTranslator;
        }
    }
    return true;
}

void LanguageManager::setLanguage(const QString& code)
{
    QString chosen = canonicalCode(code);
    if (chosen.isEmpty())
        chosen = QStringLiteral("en");
    if (!loadTranslation(chosen))
        chosen = QStringLiteral("en");

    m_current = chosen;

    {
        // Rewriting the same value would still replace the settings file (and sync it to
        // disk) at every start.
        QSettings settings;
        settings.beginGroup(kSettingsGroup);
        if (settings.value(kSettingsKey).toString() != m_current)
            settings.setValue(kSettingsKey, m_current);
        settings.endGroup();
    }

    if (notifier())
        notifier()();
    Q_EMIT localeChanged(m_current);
}

void LanguageManager::initFromSettings()
{
    initFromSettings(QLocale::system());
}

void LanguageManager::initFromSettings(const QLocale& system)
{
    QString saved;
    {
        QSettings settings;
        settings.beginGroup(kSettingsGroup);
        saved = normalizeLocaleCode(settings.value(kSettingsKey).toString());
        settings.endGroup();
    }
    if (!saved.isEmpty()) {
        const QString code = canonicalCode(saved);
        if (!code.isEmpty()) {
            setLanguage(code);
            return;
        }
    }

    QStringList candidates;
    candidates << normalizeLocaleCode(system.name());
    candidates << normalizeLocaleCode(system.bcp47Name());
    const QStringList uiLanguages = system.uiLanguages();
    for (const QString& language : uiLanguages)
        candidates << normalizeLocaleCode(language);

    for (const QString& candidate : std::as_const(candidates)) {
        if (candidate.isEmpty())
            continue;

        const QString exact = canonicalCode(candidate);
        if (!exact.isEmpty()) {
            setLanguage(exact);
            return;
        }

        if (candidate.startsWith(QLatin1String("zh"), Qt::CaseInsensitive)) {
            const QString upper = candidate.toUpper();
            const bool traditional = upper.contains(QLatin1String("TW")) || upper.contains(QLatin1String("HK"))
                || upper.contains(QLatin1String("MO")) || upper.contains(QLatin1String("HANT"));
            setLanguage(traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN"));
            return;
        }

        const QString prefix = candidate.left(2).toLower();
        if (twoLetterLanguages().contains(prefix)) {
            setLanguage(prefix);
            return;
        }
    }

    setLanguage(QStringLiteral("en"));
}
