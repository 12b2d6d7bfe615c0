#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

class QTranslator;

// Picks, installs, remembers and announces the interface language.
class LanguageManager : public QObject
{
    Q_OBJECT
public:
    explicit LanguageManager(QObject* parent = nullptr);
    ~LanguageManager() override;

    // The ten (code, native name) pairs, in the order the Settings page lists them.
    static QList<QPair<QString, QString>> availableLanguages();
    QString currentLanguage() const { return m_current; }

    // Installs the catalog, stores the code under ui/language, sends the language-change
    // event to every top-level widget and then emits localeChanged. Codes outside the
    // table become "en".
    void setLanguage(const QString& code);

    // The saved language, or else the best match for the system locale, or else English.
    void initFromSettings();
    // Same, with the system locale given (tests, or callers that know better).
    void initFromSettings(const QLocale& system);

    // Trims and turns "-" into "_": zh-tw -> zh_tw.
    static QString normalizeLocaleCode(const QString& code);
    // The table's spelling of a code, compared ignoring case; empty when not in the table.
    static QString canonicalCode(const QString& code);

    // The widgets library installs the delivery of the synchronous language-change event
    // to every top-level widget; the core library knows no widgets.
    using TopLevelNotifier = std::function<void()>;
    static void setTopLevelNotifier(TopLevelNotifier notifier);

Q_SIGNALS:
    void localeChanged(const QString& code);

private:
    bool loadTranslation(const QString& code);
    void removeInstalledTranslator();

    QTranslator* m_translator = nullptr;
    // Qt's own texts (standard dialog buttons) from the system's Qt catalogs, when present.
    QTranslator* m_qtTranslator = nullptr;
    QString m_current = QStringLiteral("en");
};
