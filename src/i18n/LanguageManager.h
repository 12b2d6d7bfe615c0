#pragma once

#include <QList>
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

    static QList<QPair<QString, QString>> availableLanguages();
    QString currentLanguage() const { return m_current; }
    void setLanguage(const QString& code);
    void initFromSettings();

    // The widgets library installs the delivery of the synchronous language-change event
    // to every top-level widget; the core library knows no widgets.
    using TopLevelNotifier = std::function<void()>;
    static void setTopLevelNotifier(TopLevelNotifier notifier);

Q_SIGNALS:
    void localeChanged(const QString& code);

private:
    bool loadTranslation(const QString& code);

    QTranslator* m_translator = nullptr;
    QString m_current = QStringLiteral("en");
};
