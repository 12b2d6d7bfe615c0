#include "i18n/LanguageManager.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
LanguageManager::TopLevelNotifier& notifier()
{
    static LanguageManager::TopLevelNotifier n;
    return n;
}
} // namespace

LanguageManager::LanguageManager(QObject* parent)
    : QObject(parent)
{
}

LanguageManager::~LanguageManager()
{
    if (m_translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
}

void LanguageManager::setTopLevelNotifier(TopLevelNotifier n)
{
    notifier() = std::move(n);
}

QList<QPair<QString, QString>> LanguageManager::availableLanguages()
{
    return {};
}

bool LanguageManager::loadTranslation(const QString& code)
{
    Q_UNUSED(code);
    return false;
}

void LanguageManager::setLanguage(const QString& code)
{
    Q_UNUSED(code);
    m_current = QStringLiteral("en");
    if (notifier())
        notifier()();
    Q_EMIT localeChanged(m_current);
}

void LanguageManager::initFromSettings()
{
    setLanguage(QStringLiteral("en"));
}
