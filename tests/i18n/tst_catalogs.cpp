// Checks the translation catalogs against the code: a text added to the code fails here until
// every catalog translates it.
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "i18n/LanguageManager.h"

namespace {
QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString catalogPath(const QString& code)
{
    return qEnvironmentVariable("QUILBEX_SOURCE_DIR") + "/src/i18n/translations/quilbex_" + code + ".ts";
}

// %1..%99 (also as %L1) and %n.
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%L?(\\d{1,2}|n)"));
    QSet<QString> found;
    for (const auto& match : re.globalMatch(text))
        found.insert(match.captured(1));
    return found;
}

// Each message of a catalog (its source and comment as the file writes them) and what is wrong
// with its translation: nothing, "obsolete", "vanished", "unfinished" or "placeholders differ".
QHash<QString, QString> messagesOf(const QString& text)
{
    const auto all = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression message(R"(<message[ >](.*?)</message>)", all);
    static const QRegularExpression source(R"(<source>(.*?)</source>)", all);
    static const QRegularExpression comment(R"(<comment>(.*?)</comment>)", all);
    static const QRegularExpression translation("<translation( type=\"(\\w+)\")?[^>]*>(.*?)</translation>", all);
    static const QRegularExpression numerus(R"(<numerusform>(.*?)</numerusform>)", all);
    QHash<QString, QString> found;
    for (const auto& match : message.globalMatch(text)) {
        const QString body = match.captured(1);
        const QString src = source.match(body).captured(1);
        const QString note = comment.match(body).captured(1);
        const auto t = translation.match(body);
        QStringList forms;
        for (const auto& form : numerus.globalMatch(t.captured(3)))
            forms << form.captured(1);
        if (forms.isEmpty())
            forms << t.captured(3);
        const auto lost = [&](const QString& form) { return placeholders(form) != placeholders(src); };
        QString state = t.captured(2);
        if (state.isEmpty() && forms.contains(QString()))
            state = QStringLiteral("unfinished");
        else if (state.isEmpty() && std::any_of(forms.begin(), forms.end(), lost))
            state = QStringLiteral("placeholders differ in ") + forms.join('|');
        found.insert(note.isEmpty() ? src : src + " [" + note + "]", state);
    }
    return found;
}

// Everything wrong with a catalog, measured against the texts of the code.
QStringList problems(const QString& text, const QHash<QString, QString>& reference)
{
    QStringList found;
    // All texts are looked up under one context; a text under another would never be found.
    for (const auto& context : QRegularExpression(QStringLiteral("<name>(.*?)</name>")).globalMatch(text)) {
        if (context.captured(1) != QLatin1String("Quilbex"))
            found << QStringLiteral("context other than Quilbex: ") + context.captured(1);
    }
    const QHash<QString, QString> catalog = messagesOf(text);
    for (auto it = catalog.begin(); it != catalog.end(); ++it) {
        if (!reference.contains(it.key()))
            found << QStringLiteral("obsolete: ") + it.key();
        else if (!it.value().isEmpty())
            found << it.value() + QStringLiteral(": ") + it.key();
    }
    for (auto it = reference.begin(); it != reference.end(); ++it) {
        if (!catalog.contains(it.key()))
            found << QStringLiteral("missing: ") + it.key();
    }
    return found;
}
} // namespace

class TestCatalogs : public QObject
{
    Q_OBJECT
    // The texts the code asks for, as lupdate finds them.
    QHash<QString, QString> m_reference;

private Q_SLOTS:
    void initTestCase()
    {
        const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
        QVERIFY2(QFileInfo(lupdate).isExecutable(), "lupdate is not installed");
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("quilbex_en.ts"));
        QCOMPARE(QProcess::execute(lupdate,
                                   {"-silent", "-locations", "none", "-source-language", "en", "-target-language", "en",
                                    "-extensions", "cpp,h", qEnvironmentVariable("QUILBEX_SOURCE_DIR") + "/src", "-ts",
                                    fresh}),
                 0);
        m_reference = messagesOf(readText(fresh));
        QVERIFY(!m_reference.isEmpty());
    }

    void complete_data()
    {
        QTest::addColumn<QString>("code");
        for (const auto& language : LanguageManager::availableLanguages())
            QTest::newRow(qPrintable(language.first)) << language.first;
    }
    // A lost %1 drops a value, an invented one shows as raw text; the declared language decides
    // the plural forms. Mend with scripts/update-translations.sh and scripts/ts-status.py -v <code>.
    void complete()
    {
        QFETCH(QString, code);
        const QString text = readText(catalogPath(code));
        const QStringList found = problems(text, m_reference);
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + " problems:\n" + found.join('\n')));
        const QString language = QRegularExpression("<TS [^>]*\\slanguage=\"([^\"_]*)").match(text).captured(1);
        QCOMPARE(language, code.section('_', 0, 0));
    }

    // The check itself: a copy of a catalog with one finished translation marked unfinished, or
    // with a placeholder dropped, has one problem more.
    void doctoredCatalogFails()
    {
        const QString text = readText(catalogPath(QStringLiteral("de")));
        const auto match = QRegularExpression(QStringLiteral("<translation>[^<]*%1[^<]*</translation>")).match(text);
        QVERIFY(match.hasMatch());
        const QString doctored[] = {match.captured().replace("<translation>", "<translation type=\"unfinished\">"),
                                    match.captured().remove("%1")};
        for (const QString& replacement : doctored) {
            const QString copy = QString(text).replace(match.capturedStart(), match.capturedLength(), replacement);
            QCOMPARE(problems(copy, m_reference).size(), problems(text, m_reference).size() + 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogs)
#include "tst_catalogs.moc"
