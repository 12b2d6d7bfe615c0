#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "ui/WidgetHooks.h"

namespace {
QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A file left out of the resource list, or a path the code or the style sheet names wrongly,
    // shows as a blank icon or an unstyled window without any other sign. A path with an
    // argument (":/icons/profile/%1.svg") is covered by its folder's files.
    void resourcesAreBuiltInAndRender()
    {
        const QString src = qEnvironmentVariable("QUILBEX_SOURCE_DIR") + QStringLiteral("/src/");
        const QRegularExpression named(QStringLiteral("(?:\"|url\\()(:/[^\"%)]*)[\")]"));
        int names = 0;
        for (QDirIterator it(src, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = it.next();
            const QString resource = ":/" + file.mid(src.size() + 10);
            const QString suffix = QFileInfo(file).suffix();
            if (file.startsWith(src + "resources/") && !file.contains("/source/") && suffix != QLatin1String("txt"))
                QVERIFY2(QFile::exists(resource) && (suffix != QLatin1String("png") || !loadPng(resource).isNull())
                             && (suffix != QLatin1String("svg") || !QIcon(resource).pixmap(16).isNull()),
                         qPrintable(resource));
            if (!QStringList{"cpp", "h", "qss"}.contains(suffix))
                continue;
            for (const auto& match : named.globalMatch(readText(file))) {
                QVERIFY2(QFileInfo::exists(match.captured(1)), qPrintable(file + ": " + match.captured(1)));
                ++names;
            }
        }
        QVERIFY(names > 0);
    }

    // Families the system lacks are dropped from the applied sheet, nothing else: the order,
    // generic names and every other declaration stay, and a list with nothing installed is
    // left whole rather than emptied.
    void installedFamiliesOnly_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing first")
            << "QWidget { font-family: \"Segoe UI\", \"Noto Sans\", sans-serif; color: red; }"
            << "QWidget { font-family: \"Noto Sans\", sans-serif; color: red; }";
        QTest::newRow("case, quotes, two rules")
            << "A { font-family: 'noto sans', Nope; }\nB{font-family:\"Missing\",monospace}"
            << "A { font-family: 'noto sans'; }\nB{font-family: monospace}";
        QTest::newRow("quoted generic is a family") << "A { font-family: \"serif\", \"Noto Sans\"; }"
                                                    << "A { font-family: \"Noto Sans\"; }";
        QTest::newRow("nothing installed") << "A { font-family: \"Gone\", 'Also Gone'; }"
                                           << "A { font-family: \"Gone\", 'Also Gone'; }";
        QTest::newRow("foundry-qualified") << "A { font-family: \"Gone\", \"Acme Sans\"; }"
                                           << "A { font-family: \"Acme Sans\"; }";
        QTest::newRow("no font family") << "A { color: #fff; }"
                                        << "A { color: #fff; }";
    }
    void installedFamiliesOnly()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(withInstalledFontFamilies(sheet, {QStringLiteral("Noto Sans"), QStringLiteral("Acme Sans [ACME]")}),
                 expected);
    }

    void sheetParsesWithoutWarnings()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        qApp->setStyleSheet(readText(QStringLiteral(":/styles/app.qss")));
        QPushButton button(QStringLiteral("x"));
        button.setProperty("flat", true);
        button.ensurePolished();
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
