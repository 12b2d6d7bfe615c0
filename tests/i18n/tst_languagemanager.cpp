#include <QLibraryInfo>
#include <QFile>
#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include "i18n/LanguageManager.h"
#include "ui/WidgetHooks.h"

namespace {
// Records the language-change events it receives into a shared journal.
class JournalWidget : public QWidget
{
public:
    JournalWidget(const QString& name, QStringList* journal) : m_name(name), m_journal(journal) {}

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_journal->append(m_name);
        QWidget::changeEvent(event);
    }

private:
    QString m_name;
    QStringList* m_journal;
};

QString savedLanguage()
{
    QSettings settings;
    return settings.value(QStringLiteral("ui/language")).toString();
}
} // namespace

class TestLanguageManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quilbex"));
        QCoreApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        installWidgetHooks();
    }

    void init() { QSettings().clear(); }

    void initFromSettings_data()
    {
        QTest::addColumn<QString>("saved"); // empty: nothing saved
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("expected");

        QTest::newRow("saved zh-tw normalised") << "zh-tw"
                                                << "de_DE"
                                                << "zh_TW";
        QTest::newRow("saved with blanks") << "  ZH_cn "
                                           << "fr_FR"
                                           << "zh_CN";
        QTest::newRow("saved en beats system") << "en"
                                               << "ja_JP"
                                               << "en";
        QTest::newRow("unknown saved, system decides") << "klingon"
                                                       << "fr_FR"
                                                       << "fr";
        QTest::newRow("saved region code is not a table code") << "de_AT"
                                                               << "ko_KR"
                                                               << "ko";
        QTest::newRow("zh_Hant_HK") << ""
                                    << "zh_Hant_HK"
                                    << "zh_TW";
        QTest::newRow("zh_Hant_TW") << ""
                                    << "zh_Hant_TW"
                                    << "zh_TW";
        QTest::newRow("zh_MO") << ""
                               << "zh_MO"
                               << "zh_TW";
        QTest::newRow("zh_SG") << ""
                               << "zh_SG"
                               << "zh_CN";
        QTest::newRow("zh_CN") << ""
                               << "zh_CN"
                               << "zh_CN";
        QTest::newRow("pt_BR") << ""
                               << "pt_BR"
                               << "pt";
        QTest::newRow("es_MX") << ""
                               << "es_MX"
                               << "es";
        QTest::newRow("ru_RU") << ""
                               << "ru_RU"
                               << "ru";
        QTest::newRow("ja_JP") << ""
                               << "ja_JP"
                               << "ja";
        QTest::newRow("sv_SE") << ""
                               << "sv_SE"
                               << "en";
        QTest::newRow("en_GB") << ""
                               << "en_GB"
                               << "en";
        QTest::newRow("C locale") << ""
                                  << "C"
                                  << "en";
    }
    void initFromSettings()
    {
        QFETCH(QString, saved);
        QFETCH(QString, systemLocale);
        QFETCH(QString, expected);

        if (!saved.isEmpty())
            QSettings().setValue(QStringLiteral("ui/language"), saved);

        LanguageManager manager;
        QSignalSpy spy(&manager, &LanguageManager::localeChanged);
        manager.initFromSettings(QLocale(systemLocale));

        QCOMPARE(manager.currentLanguage(), expected);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), expected);
        QCOMPARE(savedLanguage(), expected);
    }

    // Every window has heard of the change before anyone acts on localeChanged.
    void setLanguageNotifiesWindowsBeforeSignal()
    {
        QStringList journal;
        JournalWidget first(QStringLiteral("first"), &journal);
        JournalWidget second(QStringLiteral("second"), &journal);

        LanguageManager manager;
        QStringList atSignal;
        QString signalled;
        connect(&manager, &LanguageManager::localeChanged, this, [&](const QString& code) {
            atSignal = journal;
            signalled = code;
            QCOMPARE(savedLanguage(), code);
        });

        manager.setLanguage(QStringLiteral("fr"));

        QCOMPARE(signalled, QStringLiteral("fr"));
        QCOMPARE(manager.currentLanguage(), QStringLiteral("fr"));
        QCOMPARE(savedLanguage(), QStringLiteral("fr"));
        QCOMPARE(atSignal.count(QStringLiteral("first")), 1);
        QCOMPARE(atSignal.count(QStringLiteral("second")), 1);
    }

    void setLanguageCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("table code") << "de"
                                    << "de";
        QTest::newRow("upper case") << "ZH_TW"
                                    << "zh_TW";
        QTest::newRow("unknown") << "xx"
                                 << "en";
        QTest::newRow("empty") << ""
                               << "en";
        QTest::newRow("not normalised here") << "zh-TW"
                                             << "en";
    }
    void setLanguageCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        LanguageManager manager;
        manager.setLanguage(QStringLiteral("ko"));
        QSignalSpy spy(&manager, &LanguageManager::localeChanged);
        manager.setLanguage(code);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), expected);
        QCOMPARE(manager.currentLanguage(), expected);
        QCOMPARE(savedLanguage(), expected);
    }

    void compiledCatalogLoads_data()
    {
        QTest::addColumn<QString>("code");
        for (const auto& language : LanguageManager::availableLanguages())
            QTest::newRow(qPrintable(language.first)) << language.first;
    }
    void compiledCatalogLoads()
    {
        QFETCH(QString, code);
        const QString path = QStringLiteral(":/i18n/quilbex_%1.qm").arg(code);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QTranslator translator;
        QVERIFY2(translator.load(path), qPrintable(path));
    }

    // Switching replaces the catalog instead of stacking them (an untranslated text would
    // otherwise still be answered by the previous language), and a manager that goes away
    // takes its catalog with it.
    void translatorIsReplacedAndRemoved()
    {
        // Installed first, so it answers only what no catalog of the manager's answers.
        class Fallback : public QTranslator
        {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QStringLiteral("fallback:") + QString::fromUtf8(source);
            }
        } fallback;
        QCoreApplication::installTranslator(&fallback);

        const QString english = QStringLiteral("Settings");
        {
            LanguageManager manager;
            manager.setLanguage(QStringLiteral("en"));
            QCOMPARE(QCoreApplication::translate("Quilbex", "Settings"), english);
            for (const char* code : {"de", "ja", "zh_TW"}) {
                manager.setLanguage(QString::fromLatin1(code));
                QVERIFY2(QCoreApplication::translate("Quilbex", "Settings") != english, code);
                manager.setLanguage(QStringLiteral("en"));
            }
            manager.setLanguage(QStringLiteral("ru"));
        }
        QCOMPARE(QCoreApplication::translate("Quilbex", "Settings"), QStringLiteral("fallback:Settings"));
        QCoreApplication::removeTranslator(&fallback);
    }

    // Standard dialog buttons follow the chosen language, and go back to English with it.
    void qtStandardTextsFollowTheLanguage()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's own catalogs are not installed");
        LanguageManager manager;
        manager.setLanguage(QStringLiteral("de"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        manager.setLanguage(QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(TestLanguageManager)
#include "tst_languagemanager.moc"
