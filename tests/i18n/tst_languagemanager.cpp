#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <sys/stat.h>

#include "i18n/LanguageManager.h"
#include "support/MarkingTranslator.h"
#include "ui/WidgetHooks.h"

class TestLanguageManager : public QObject
{
    Q_OBJECT
    int m_heard = 0; // language changes seen by a window

    bool eventFilter(QObject*, QEvent* event) override
    {
        m_heard += event->type() == QEvent::LanguageChange ? 1 : 0;
        return false;
    }

private Q_SLOTS:
    void initTestCase() { installWidgetHooks(); }

    void chosenLanguage_data()
    {
        QTest::addColumn<QString>("saved"); // in the settings; without a system locale: given to setLanguage
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* saved, const char* system, const char* expected) {
            QTest::newRow(tag) << QString(saved) << QString(system) << QString(expected);
        };
        row("saved zh-tw normalised", "zh-tw", "de_DE", "zh_TW");
        row("saved with blanks", "  ZH_cn ", "fr_FR", "zh_CN");
        row("saved en beats system", "en", "ja_JP", "en");
        row("unknown saved, system decides", "klingon", "fr_FR", "fr");
        row("saved region code is not a table code", "de_AT", "ko_KR", "ko");
        row("zh_Hant_HK", "", "zh_Hant_HK", "zh_TW");
        row("zh_SG", "", "zh_SG", "zh_CN");
        row("pt_BR", "", "pt_BR", "pt");
        row("sv_SE", "", "sv_SE", "en");
        row("set: unknown", "xx", "", "en");
        row("set: not normalised here", "zh-TW", "", "en");
    }
    // Every window has heard of the change, and the choice is saved, before anyone acts on
    // localeChanged.
    void chosenLanguage()
    {
        QFETCH(QString, saved);
        QFETCH(QString, system);
        QFETCH(QString, expected);
        LanguageManager manager;
        manager.setLanguage(QStringLiteral("ko"));
        QSettings().setValue(QStringLiteral("ui/language"), saved);
        QWidget window;
        window.installEventFilter(this);
        m_heard = 0;
        QStringList seen;
        connect(&manager, &LanguageManager::localeChanged, this, [&](const QString& code) {
            seen << code << QString::number(m_heard) << QSettings().value(QStringLiteral("ui/language")).toString();
        });
        if (system.isEmpty())
            manager.setLanguage(saved);
        else
            manager.initFromSettings(QLocale(system));
        QCOMPARE(seen, QStringList({expected, QStringLiteral("1"), expected}));
        QCOMPARE(manager.currentLanguage(), expected);
    }

    // Starting in the saved language leaves the settings file alone: it used to be replaced,
    // and synced to disk, at every start.
    void keptLanguageIsNotRewritten()
    {
        QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("de"));
        const QByteArray path = QFile::encodeName(QSettings().fileName());
        struct stat before = {};
        QCOMPARE(::stat(path.constData(), &before), 0);
        {
            LanguageManager manager;
            manager.initFromSettings(QLocale(QStringLiteral("fr_FR")));
            QCOMPARE(manager.currentLanguage(), QStringLiteral("de"));
        }
        struct stat after = {};
        QCOMPARE(::stat(path.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    // Every language's catalog loads and answers; switching replaces the catalog instead of
    // stacking them (an untranslated text would otherwise still be answered by the previous
    // language), a manager that goes away takes its catalog with it, and Qt's own texts
    // (standard buttons) follow.
    void catalogsAreReplacedAndRemoved()
    {
        // Installed first, so it answers only what no catalog of the manager's answers.
        MarkingTranslator fallback;
        QCoreApplication::installTranslator(&fallback);
        const auto settings = [] { return QCoreApplication::translate("Quilbex", "Settings"); };
        const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        const bool qtCatalogs = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
        {
            LanguageManager manager;
            for (const auto& [code, name] : LanguageManager::availableLanguages()) {
                manager.setLanguage(code);
                QVERIFY2(settings() != QStringLiteral("«Settings»") && (settings() == "Settings") == (code == "en"),
                         qPrintable(code));
                if (qtCatalogs && code == QLatin1String("de"))
                    QCOMPARE(cancel(), QStringLiteral("Abbrechen"));
                manager.setLanguage(QStringLiteral("en"));
                QCOMPARE(settings(), QStringLiteral("Settings"));
                QCOMPARE(cancel(), QStringLiteral("Cancel"));
            }
            manager.setLanguage(QStringLiteral("ru"));
        }
        QCOMPARE(settings(), QStringLiteral("«Settings»"));
        QCoreApplication::removeTranslator(&fallback);
    }
};

QTEST_MAIN(TestLanguageManager)
#include "tst_languagemanager.moc"
