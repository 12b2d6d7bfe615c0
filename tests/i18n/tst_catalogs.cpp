// Checks the translation catalogs against each other and against the code: a text added
// to the code fails here until every catalog translates it (scripts/update-translations.sh,
// then scripts/ts-status.py -v <code>).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QStringList kCodes{QStringLiteral("en"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("ja"),
                         QStringLiteral("ko"), QStringLiteral("de"),    QStringLiteral("fr"),    QStringLiteral("es"),
                         QStringLiteral("pt"), QStringLiteral("ru")};

struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // "", "unfinished", "obsolete" or "vanished"
    QStringList forms;

    QString key() const { return context + QChar(0x1f) + source + QChar(0x1f) + comment; }
    bool obsolete() const { return type == QLatin1String("obsolete") || type == QLatin1String("vanished"); }
    bool unfinished() const
    {
        if (obsolete())
            return false;
        if (type == QLatin1String("unfinished") || forms.isEmpty())
            return true;
        for (const QString& f : forms) {
            if (f.isEmpty())
                return true;
        }
        return false;
    }
};

struct Catalog
{
    QString error;
    QString language;
    QList<TsMessage> messages;

    QSet<QString> liveKeys() const
    {
        QSet<QString> keys;
        for (const TsMessage& m : messages) {
            if (!m.obsolete())
                keys.insert(m.key());
        }
        return keys;
    }
};

Catalog readCatalog(const QString& path)
{
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalog.error = QStringLiteral("cannot open %1").arg(path);
        return catalog;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                catalog.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                message = TsMessage();
                message.context = context;
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (inMessage && name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (inMessage && name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (inMessage && name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!message.numerus)
                    message.forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (inMessage && name == QLatin1String("numerusform")) {
                message.forms << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            catalog.messages << message;
            inMessage = false;
        }
    }
    if (xml.hasError())
        catalog.error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return catalog;
}

QString sourceRoot()
{
    const QString fromEnv = qEnvironmentVariable("QUILBEX_SOURCE_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv;
#ifdef QUILBEX_SOURCE_DIR
    return QStringLiteral(QUILBEX_SOURCE_DIR);
#else
    // This file lives in <root>/tests/i18n.
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../.."));
#endif
}

QString catalogPath(const QString& code)
{
    return QDir(sourceRoot()).absoluteFilePath(QStringLiteral("src/i18n/translations/quilbex_%1.ts").arg(code));
}

QString lupdateProgram()
{
    const QStringList candidates{
        QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
        QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/lupdate"),
        QStringLiteral("/usr/lib/qt6/bin/lupdate"),
    };
    for (const QString& c : candidates) {
        if (QFileInfo(c).isExecutable())
            return c;
    }
    return {};
}

// %1..%99 (also as %L1) and %n.
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%L?(\\d{1,2})|%(n)"));
    QSet<QString> found;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        found.insert(QLatin1Char('%') + (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)));
    }
    return found;
}

QString shortText(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return t.size() > 80 ? t.left(79) + QChar(0x2026) : t;
}

// A failure message that names the first few offenders and how many there are.
QString report(const QString& what, const QStringList& items)
{
    QString text = QStringLiteral("%1: %2").arg(what).arg(items.size());
    for (int i = 0; i < items.size() && i < 8; ++i)
        text += QStringLiteral("\n    ") + shortText(items.at(i));
    if (items.size() > 8)
        text += QStringLiteral("\n    ...  (scripts/ts-status.py -v lists all)");
    return text;
}

QSet<QString> sourcesOf(const QSet<QString>& keys)
{
    QSet<QString> sources;
    for (const QString& k : keys)
        sources.insert(k.section(QChar(0x1f), 1, 1));
    return sources;
}
} // namespace

class TestCatalogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_english = readCatalog(catalogPath(QStringLiteral("en")));
        QVERIFY2(m_english.error.isEmpty(), qPrintable(m_english.error));
        QVERIFY2(!m_english.messages.isEmpty(), "the English catalog holds no text");
    }

    void complete_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    // Every text of the English catalog is translated, nothing stale is left behind, and the
    // catalog declares its language (which decides its plural forms).
    void complete()
    {
        QFETCH(QString, code);
        const Catalog catalog = readCatalog(catalogPath(code));
        QVERIFY2(catalog.error.isEmpty(), qPrintable(catalog.error));
        QCOMPARE(catalog.language.section(QLatin1Char('_'), 0, 0), code.section(QLatin1Char('_'), 0, 0));

        const QSet<QString> expected = m_english.liveKeys();
        QStringList unfinished, obsolete, missing;
        for (const TsMessage& m : catalog.messages) {
            if (m.obsolete() || !expected.contains(m.key()))
                obsolete << m.source;
            else if (m.unfinished())
                unfinished << m.source;
        }
        const QSet<QString> present = catalog.liveKeys();
        for (const TsMessage& m : m_english.messages) {
            if (!m.obsolete() && !present.contains(m.key()))
                missing << m.source;
        }

        QStringList problems;
        if (!unfinished.isEmpty())
            problems << report(QStringLiteral("unfinished"), unfinished);
        if (!missing.isEmpty())
            problems << report(QStringLiteral("missing"), missing);
        if (!obsolete.isEmpty())
            problems << report(QStringLiteral("obsolete"), obsolete);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void placeholdersKept_data() { complete_data(); }
    // A lost %1 drops a value from the message; an invented one shows up as raw text.
    void placeholdersKept()
    {
        QFETCH(QString, code);
        const Catalog catalog = readCatalog(catalogPath(code));
        QVERIFY2(catalog.error.isEmpty(), qPrintable(catalog.error));
        QStringList wrong;
        for (const TsMessage& m : catalog.messages) {
            if (m.obsolete() || m.unfinished())
                continue;
            const QSet<QString> wanted = placeholders(m.source);
            for (const QString& form : m.forms) {
                if (placeholders(form) != wanted) {
                    wrong << m.source + QStringLiteral("  ->  ") + form;
                    break;
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(report(QStringLiteral("placeholders differ"), wrong)));
    }

    // All texts are looked up under one context; a text under another would never be found.
    void everyTextUsesTheQuilbexContext()
    {
        QStringList others;
        for (const TsMessage& m : m_english.messages) {
            if (m.context != QLatin1String("Quilbex"))
                others << m.context + QStringLiteral(": ") + m.source;
        }
        QVERIFY2(others.isEmpty(), qPrintable(report(QStringLiteral("texts outside the Quilbex context"), others)));
    }

    // The catalogs hold exactly the texts the code asks for.
    void catalogsMatchTheCode()
    {
        const QString lupdate = lupdateProgram();
        if (lupdate.isEmpty())
            QSKIP("lupdate is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(QStringLiteral("quilbex_en.ts"));

        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(lupdate,
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-source-language"), QStringLiteral("en"), QStringLiteral("-target-language"),
                       QStringLiteral("en"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                       QDir(sourceRoot()).absoluteFilePath(QStringLiteral("src")), QStringLiteral("-ts"), fresh});
        QVERIFY2(process.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAll().constData());

        const Catalog scanned = readCatalog(fresh);
        QVERIFY2(scanned.error.isEmpty(), qPrintable(scanned.error));
        const QSet<QString> inCode = scanned.liveKeys();
        const QSet<QString> inCatalog = m_english.liveKeys();

        QStringList problems;
        QStringList added = sourcesOf(inCode - inCatalog).values();
        QStringList gone = sourcesOf(inCatalog - inCode).values();
        added.sort();
        gone.sort();
        if (!added.isEmpty())
            problems << report(
                QStringLiteral("in the code but not in the catalogs (run scripts/update-translations.sh)"), added);
        if (!gone.isEmpty())
            problems << report(QStringLiteral("in the catalogs but no longer in the code"), gone);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

private:
    Catalog m_english;
};

QTEST_GUILESS_MAIN(TestCatalogs)
#include "tst_catalogs.moc"
