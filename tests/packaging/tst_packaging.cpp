// The Linux desktop files as shipped and as installed by `cmake --install`.

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const kRulesName = "70-quilbex-pedals.rules";
const char* const kDesktopName = "quilbex-control.desktop";
const char* const kMetainfoName = "com.quilbex.control.metainfo.xml";

QString linuxDir()
{
    return qEnvironmentVariable("QUILBEX_SOURCE_DIR") + QStringLiteral("/packaging/linux");
}

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Key=value pairs of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> entry;
    bool inGroup = false;
    for (const QString& line : readText(path).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            entry.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return entry;
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dest;
    QString m_root; // DESTDIR + prefix
    QString m_installError;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(linuxDir()));
        QVERIFY(m_dest.isValid());

        // One install into a temporary DESTDIR, shared by the layout tests.
        const QString buildDir = qEnvironmentVariable("QUILBEX_BINARY_DIR");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_dest.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("cmake"),
                {QStringLiteral("--install"), buildDir, QStringLiteral("--prefix"), QStringLiteral("/usr")});
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            m_installError = QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
        m_root = m_dest.path() + QStringLiteral("/usr");
    }

    void validatorsAcceptTheShippedFiles_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate")
                                       << QStringList{linuxDir() + QLatin1Char('/') + QLatin1String(kDesktopName)};
        QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                                  << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                 qEnvironmentVariable("QUILBEX_BINARY_DIR")
                                                     + QStringLiteral("/packaging/") + QLatin1String(kMetainfoName)};
    }

    void validatorsAcceptTheShippedFiles()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP("validator not installed (scripts/setup-deps.sh installs it)");
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(tool, args);
        QVERIFY(p.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(p.readAll());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(output));
        // desktop-file-validate reports problems and still exits 0 for some of them.
        QVERIFY2(!output.contains(QLatin1String("error:")) && !output.contains(QLatin1String("warning:")),
                 qPrintable(output));
    }

    void udevRuleGivesSeatAccessToBothIdentities_data()
    {
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("product");
        QTest::newRow("normal operation") << QStringLiteral("7864") << QStringLiteral("5801");
        QTest::newRow("update mode") << QStringLiteral("0483") << QStringLiteral("beba");
    }

    void udevRuleGivesSeatAccessToBothIdentities()
    {
        QFETCH(QString, vendor);
        QFETCH(QString, product);
        const QString rules = readText(linuxDir() + QLatin1Char('/') + QLatin1String(kRulesName));
        QVERIFY(!rules.isEmpty());
        bool found = false;
        for (const QString& raw : rules.split(QLatin1Char('\n'))) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            // sysfs shows the ids in lower case and udev compares text exactly.
            if (line.contains(QStringLiteral("ATTRS{idVendor}==\"%1\"").arg(vendor))
                && line.contains(QStringLiteral("ATTRS{idProduct}==\"%1\"").arg(product))) {
                QVERIFY2(line.contains(QLatin1String("SUBSYSTEM==\"hidraw\"")), qPrintable(line));
                QVERIFY2(line.contains(QLatin1String("TAG+=\"uaccess\"")), qPrintable(line));
                // Access through the seat only: no world-writable or group fallback.
                QVERIFY2(!line.contains(QLatin1String("MODE")) && !line.contains(QLatin1String("GROUP")),
                         qPrintable(line));
                found = true;
            }
        }
        QVERIFY(found);
    }

    void udevRuleRunsBeforeTheSeatRules()
    {
        // 73-seat-late.rules turns the uaccess tag into an ACL; a later file would be too late.
        const QString name = QLatin1String(kRulesName);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d-.*\\.rules$")).match(name).hasMatch());
        QVERIFY(name < QStringLiteral("73-seat-late.rules"));
    }

    void installLaysOutTheExpectedFiles()
    {
        QVERIFY2(m_installError.isEmpty(), qPrintable(m_installError));
        const QStringList expected{
            QStringLiteral("bin/quilbex-control"),
            QStringLiteral("bin/quilbex-cli"),
            QStringLiteral("share/applications/") + QLatin1String(kDesktopName),
            QStringLiteral("share/metainfo/") + QLatin1String(kMetainfoName),
            QStringLiteral("share/icons/hicolor/scalable/apps/quilbex-control.svg"),
            QStringLiteral("lib/udev/rules.d/") + QLatin1String(kRulesName),
        };
        for (const QString& rel : expected)
            QVERIFY2(QFileInfo::exists(m_root + QLatin1Char('/') + rel), qPrintable(rel));
        QVERIFY(QFileInfo(m_root + QStringLiteral("/bin/quilbex-cli")).isExecutable());
    }

    void installedIconsHaveTheirThemeSize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void installedIconsHaveTheirThemeSize()
    {
        QFETCH(int, size);
        QVERIFY2(m_installError.isEmpty(), qPrintable(m_installError));
        const QString icon =
            QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/quilbex-control.png").arg(m_root).arg(size);
        QImageReader reader(icon);
        QVERIFY2(reader.canRead(), qPrintable(icon));
        QCOMPARE(reader.size(), QSize(size, size));
    }

    void installedFilesReferToEachOther()
    {
        QVERIFY2(m_installError.isEmpty(), qPrintable(m_installError));
        const auto entry = desktopEntry(m_root + QStringLiteral("/share/applications/") + QLatin1String(kDesktopName));
        // The launcher starts an installed program and names an installed icon.
        const QString exec = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY(!exec.isEmpty());
        QVERIFY2(QFileInfo::exists(m_root + QStringLiteral("/bin/") + exec), qPrintable(exec));
        const QString icon = entry.value(QStringLiteral("Icon"));
        QVERIFY(QFileInfo::exists(m_root + QStringLiteral("/share/icons/hicolor/48x48/apps/") + icon
                                  + QStringLiteral(".png")));
        // The window's X11 class and Wayland app id are the program name; the launcher must match.
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), exec);

        const QString metainfo = readText(m_root + QStringLiteral("/share/metainfo/") + QLatin1String(kMetainfoName));
        QVERIFY(metainfo.contains(
            QStringLiteral("<launchable type=\"desktop-id\">%1</launchable>").arg(QLatin1String(kDesktopName))));
        QVERIFY(metainfo.contains(QStringLiteral("<icon type=\"stock\">%1</icon>").arg(icon)));

        // The user unit starts the quilbex-cli of this install, whatever its prefix.
        const QString unit = readText(m_root + QStringLiteral("/lib/systemd/user/quilbex-watch.service"));
        QVERIFY(unit.contains(QStringLiteral("\nExecStart=/usr/bin/quilbex-cli watch\n")));
    }

    void installPlacesNothingElse()
    {
        QVERIFY2(m_installError.isEmpty(), qPrintable(m_installError));
        // Everything a package ships is on this list; a stray file would be left unowned
        // or collide with another package.
        const QRegularExpression allowed(QStringLiteral(
            R"(^(bin/quilbex-(control|cli)|share/applications/quilbex-control\.desktop|)"
            R"(share/metainfo/com\.quilbex\.control\.metainfo\.xml|)"
            R"(share/icons/hicolor/(\d+x\d+/apps/quilbex-control\.png|scalable/apps/quilbex-control\.svg)|)"
            R"(lib/udev/rules\.d/70-quilbex-pedals\.rules|lib/systemd/user/quilbex-watch\.service|)"
            R"(lib/quilbex-control/libquilbex_(core|widgets)\.so)$)"));
        QDirIterator it(m_dest.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(m_root).relativeFilePath(it.next());
            QVERIFY2(allowed.match(rel).hasMatch(), qPrintable(rel));
        }
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
