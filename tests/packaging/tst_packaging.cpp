// The Linux desktop files as shipped and as installed by `cmake --install`.
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
}

// Runs a program: its exit code and output, or -1 when it did not run to the end.
int run(const QString& program, const QStringList& args, QString* output,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool done = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    *output = QString::fromLocal8Bit(p.readAll());
    return done ? p.exitCode() : -1;
}
} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dest;
    QString m_root; // DESTDIR + prefix

private Q_SLOTS:
    // One install into a temporary DESTDIR, shared by all tests.
    void initTestCase()
    {
        QVERIFY(m_dest.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_dest.path());
        QString output;
        const QStringList args{"--install", qEnvironmentVariable("QUILBEX_BINARY_DIR"), "--prefix", "/usr"};
        QVERIFY2(run("cmake", args, &output, env) == 0, qPrintable(output));
        m_root = m_dest.path() + QStringLiteral("/usr/");
    }

    void validatorsAcceptTheInstalledFiles()
    {
        for (const QStringList& command :
             {QStringList{"desktop-file-validate", m_root + "share/applications/quilbex-control.desktop"},
              QStringList{"appstreamcli", "validate", "--no-net",
                          m_root + "share/metainfo/com.quilbex.control.metainfo.xml"}}) {
            if (QStandardPaths::findExecutable(command.first()).isEmpty())
                QSKIP("validator not installed (scripts/setup-deps.sh installs it)");
            QString output;
            // desktop-file-validate reports problems and still exits 0 for some of them.
            QVERIFY2(run(command.first(), command.mid(1), &output) == 0 && !output.contains("error:")
                         && !output.contains("warning:"),
                     qPrintable(output));
        }
    }

    // Both identities (normal operation, update mode) reach the user's seat through uaccess only
    // (no world-writable or group fallback), in lower case as sysfs shows them, before
    // 73-seat-late.rules turns the tag into an ACL.
    void udevRuleGivesSeatAccessToBothIdentities()
    {
        const QStringList files = QDir(m_root + "lib/udev/rules.d").entryList(QDir::Files);
        QVERIFY2(files.size() == 1 && files.first() < QStringLiteral("73-seat-late.rules"),
                 qPrintable(files.join(' ')));
        const QStringList lines = readText(m_root + "lib/udev/rules.d/" + files.first()).split('\n');
        for (const char* ids : {"ATTRS{idVendor}==\"7864\", ATTRS{idProduct}==\"5801\"",
                                "ATTRS{idVendor}==\"0483\", ATTRS{idProduct}==\"beba\""}) {
            const QStringList rule = lines.filter(QLatin1String(ids)).filter(QRegularExpression("^\\s*[^#]"));
            QVERIFY2(rule.size() == 1 && rule.first().contains("SUBSYSTEM==\"hidraw\"")
                         && rule.first().contains("TAG+=\"uaccess\"") && !rule.first().contains("MODE")
                         && !rule.first().contains("GROUP"),
                     ids);
        }
    }

    // Exactly what a package ships (a stray file would be left unowned or collide with another
    // package); each themed icon has its folder's size.
    void installLaysOutTheShippedFiles()
    {
        const QRegularExpression allowed(QStringLiteral(
            R"(^(bin/quilbex-(control|cli)|share/applications/quilbex-control\.desktop|)"
            R"(share/metainfo/com\.quilbex\.control\.metainfo\.xml|)"
            R"(share/icons/hicolor/((\d+)x\4/apps/quilbex-control\.png|scalable/apps/quilbex-control\.svg)|)"
            R"(lib/udev/rules\.d/70-quilbex-pedals\.rules|lib/systemd/user/quilbex-watch\.service|)"
            R"(lib/quilbex-control/libquilbex_(core|widgets)\.so)$)"));
        QDirIterator it(m_dest.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(m_root).relativeFilePath(it.next());
            const auto match = allowed.match(rel);
            QVERIFY2(match.hasMatch(), qPrintable(rel));
            if (const int size = match.captured(4).toInt())
                QCOMPARE(QImageReader(m_root + rel).size(), QSize(size, size));
        }
        QVERIFY(QFileInfo::exists(m_root + "share/icons/hicolor/scalable/apps/quilbex-control.svg"));
    }

    void installedFilesReferToEachOther()
    {
        const QString desktop = readText(m_root + "share/applications/quilbex-control.desktop");
        const auto value = [&](const char* key) {
            return QRegularExpression(QStringLiteral("\n%1=([^ \n]*)").arg(key)).match(desktop).captured(1);
        };
        // The launcher starts an installed program and names an installed icon; the window's X11
        // class and Wayland app id are the program name, and the launcher must match.
        const QString exec = value("Exec");
        QVERIFY2(!exec.isEmpty() && QFileInfo::exists(m_root + "bin/" + exec), qPrintable(exec));
        QVERIFY(QFileInfo::exists(m_root + "share/icons/hicolor/48x48/apps/" + value("Icon") + ".png"));
        QCOMPARE(value("StartupWMClass"), exec);
        const QString metainfo = readText(m_root + "share/metainfo/com.quilbex.control.metainfo.xml");
        QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">quilbex-control.desktop</launchable>"));
        QVERIFY(metainfo.contains(QStringLiteral("<icon type=\"stock\">%1</icon>").arg(value("Icon"))));
        // The user unit starts the quilbex-cli of this install, whatever its prefix.
        const QString unit = readText(m_root + "lib/systemd/user/quilbex-watch.service");
        QVERIFY(unit.contains(QStringLiteral("\nExecStart=/usr/bin/quilbex-cli watch\n")));
        // The installed program finds its libraries, and tells the version the metainfo announces.
        QString output;
        QVERIFY2(run(m_root + "bin/quilbex-cli", {"--version"}, &output) == 0, qPrintable(output));
        const QString release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(metainfo).captured(1);
        QVERIFY2(!release.isEmpty() && output.contains(QLatin1Char('v') + release), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
