#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "app/Application.h"
#include "i18n/LanguageManager.h"
#include "ui/SettingsPage.h"
#include "ui/WidgetHooks.h"

namespace {
// Answers every text not yet in a catalog with "[<current code>]<source>", so a
// re-applied text is visible even in a language whose catalog is still empty.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const LanguageManager* manager) : m_manager(manager) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "Quilbex") != 0 || m_manager->currentLanguage() == QLatin1String("en"))
            return {};
        return QStringLiteral("[%1]%2").arg(m_manager->currentLanguage(), QString::fromUtf8(source));
    }

private:
    const LanguageManager* m_manager;
};

QComboBox* languageCombo(SettingsPage& page)
{
    return page.findChild<QComboBox*>();
}

QString titleText(SettingsPage& page)
{
    auto* title = page.findChild<QLabel*>(QStringLiteral("pageTitle"));
    return title ? title->text() : QString();
}
} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quilbex"));
        QCoreApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        installWidgetHooks();
    }

    void init()
    {
        QSettings().clear();
        m_app = std::make_unique<Application>(Application::simulatedTransportFactory());
    }
    void cleanup() { m_app.reset(); }

    void layoutAndNames()
    {
        SettingsPage page(m_app.get());
        QCOMPARE(page.objectName(), QStringLiteral("pageSettings"));
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("pageHint")));
        QVERIFY(page.findChild<QWidget*>(QStringLiteral("placeholderCard")));
        QCOMPARE(titleText(page), QStringLiteral("<h2>Settings</h2>"));

        QVERIFY(languageCombo(page));
        QCOMPARE(languageCombo(page)->count(), 10);
    }

    // Building the page selects the current language and never switches it.
    void showsCurrentLanguageWithoutSwitching()
    {
        LanguageManager* manager = m_app->languageManager.get();
        manager->setLanguage(QStringLiteral("zh_TW"));
        QSignalSpy spy(manager, &LanguageManager::localeChanged);

        SettingsPage page(m_app.get());
        QCOMPARE(languageCombo(page)->currentText(), QStringLiteral("繁體中文"));
        page.retranslateUi();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(manager->currentLanguage(), QStringLiteral("zh_TW"));
    }

    void choosingALanguageSwitchesOnce()
    {
        LanguageManager* manager = m_app->languageManager.get();
        MarkingTranslator marker(manager);
        QCoreApplication::installTranslator(&marker);

        SettingsPage page(m_app.get());
        QComboBox* combo = languageCombo(page);
        const QString englishTitle = titleText(page);
        QSignalSpy spy(manager, &LanguageManager::localeChanged);

        combo->setCurrentIndex(combo->findText(QStringLiteral("Deutsch")));

        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("de"));
        QCOMPARE(manager->currentLanguage(), QStringLiteral("de"));
        QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
        // Re-applied through the language-change event, in the new language.
        QVERIFY(titleText(page) != englishTitle);
        QCOMPARE(titleText(page),
                 QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Settings")));
        // The native names stay as they are.
        QCOMPARE(combo->itemText(0), QStringLiteral("English"));

        // A change made elsewhere moves the selection without switching a second time.
        manager->setLanguage(QStringLiteral("FR"));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("Français"));
        QCOMPARE(manager->currentLanguage(), QStringLiteral("fr"));

        QCoreApplication::removeTranslator(&marker);
    }

    void withoutLanguageManager()
    {
        SettingsPage page(nullptr);
        QComboBox* combo = languageCombo(page);
        QCOMPARE(combo->currentText(), QStringLiteral("English"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("Deutsch")));
        QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
    }

private:
    std::unique_ptr<Application> m_app;
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"
