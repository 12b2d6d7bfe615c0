#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {
QStringList g_warnings;
void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << msg;
}

QString loadSheet()
{
    QFile f(QStringLiteral(":/styles/app.qss"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
}
} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resourcesArePresent_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* p : {":/images/app.png", ":/images/quilbex-logo.png", ":/icons/profile/new.svg",
                              ":/icons/profile/load.svg", ":/icons/profile/import.svg", ":/icons/profile/export.svg",
                              ":/icons/profile/save.svg", ":/icons/profile/delete.svg", ":/styles/app.qss"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void resourcesArePresent()
    {
        QFETCH(QString, path);
        QVERIFY(QFile::exists(path));
        if (path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".svg")))
            QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
    }

    void sheetHasEveryRuleBlock()
    {
        const QString sheet = loadSheet();
        QVERIFY(!sheet.isEmpty());
        QVERIFY(sheet.contains(QLatin1String("#3d8bff")));
        // Every image the sheet names is in the resources and renders.
        int images = 0;
        for (const auto& match : QRegularExpression(QStringLiteral("url\\((:[^)]+)\\)")).globalMatch(sheet)) {
            QVERIFY2(!QIcon(match.captured(1)).pixmap(10, 10).isNull(), qPrintable(match.captured(1)));
            ++images;
        }
        QVERIFY(images >= 6);
    }

    void sheetAddressesEveryNameAndProperty_data()
    {
        QTest::addColumn<QString>("selector");
        const char* selectors[] = {"QWidget {",
                                   "QMainWindow {",
                                   "#centralRoot",
                                   "#pageDevice",
                                   "#pagePedals",
                                   "#pageUpdate",
                                   "#pageSettings",
                                   "#pageCalibration",
                                   "#navFrame",
                                   "#navList",
                                   "#navList::item",
                                   "#navList::item:hover",
                                   "#navList::item:selected",
                                   "#navGroupLabel",
                                   "#navLogoLabel",
                                   "#navVersionLabel",
                                   "QStatusBar",
                                   "#pageStack",
                                   "QLabel#pageTitle",
                                   "QLabel#pageHint",
                                   "QLabel#sectionLabel",
                                   "#brakeKgValue",
                                   "#placeholderCard",
                                   "#pedalUpperCard",
                                   "#pedalLowerCard",
                                   "#curveEditorShell",
                                   "#curveProfilesBar",
                                   "#curveProfilesBar QPushButton[profileToolBarBtn=\"true\"]",
                                   "#pedalCardTitle",
                                   "#calibrationEntryBtn",
                                   "#calibrationEntryBtn:hover",
                                   "#calibrationEntryBtn:pressed",
                                   "#backBtn",
                                   "#backBtn:hover",
                                   "#curveProfilesTitle",
                                   "#curvePreviewCard",
                                   "#curvePreviewEmbedded",
                                   "#curveEditorTitle",
                                   "#curveCanvasPlaceholder",
                                   "#curvePointValue",
                                   "#curveEditorGridFrame",
                                   "#pedalValueBar",
                                   "#pedalValueBar::chunk",
                                   "QProgressBar#updateProgress",
                                   "QProgressBar#updateProgress::chunk",
                                   "#calReadOnly",
                                   "QLabel#updatePhase",
                                   "#curvePresetChip",
                                   "#curvePresetChip:hover",
                                   "#curvePresetChip:pressed",
                                   "QPushButton {",
                                   "QPushButton:hover",
                                   "QPushButton:pressed",
                                   "QPushButton:disabled",
                                   "QPushButton[flat=\"true\"]",
                                   "QPushButton[flat=\"true\"]:hover",
                                   "#pedalsProfileSave[profileDirty=\"true\"]",
                                   "#pedalsProfileSave[profileDirty=\"true\"]:hover",
                                   "QComboBox",
                                   "QComboBox::drop-down",
                                   "QComboBox QAbstractItemView",
                                   "QSpinBox",
                                   "QSpinBox:focus",
                                   "QLineEdit",
                                   "QLineEdit:focus",
                                   "QLineEdit:read-only",
                                   "QTextEdit",
                                   "QTextEdit:focus",
                                   "QGroupBox",
                                   "QGroupBox::title",
                                   "QSlider::groove:horizontal",
                                   "QSlider::handle:horizontal",
                                   "QSlider::handle:horizontal:hover",
                                   "QSlider::sub-page:horizontal",
                                   "QSlider::add-page:horizontal",
                                   "QScrollBar:vertical",
                                   "QScrollBar::handle:vertical",
                                   "QScrollBar::handle:vertical:hover",
                                   "QScrollBar::add-line:vertical",
                                   "QScrollBar:horizontal",
                                   "QScrollBar::handle:horizontal",
                                   "QScrollBar::handle:horizontal:hover",
                                   "QScrollBar::add-line:horizontal",
                                   "QScrollArea",
                                   "QToolTip"};
        for (const char* s : selectors)
            QTest::newRow(s) << QString::fromLatin1(s);
    }
    void sheetAddressesEveryNameAndProperty()
    {
        QFETCH(QString, selector);
        QVERIFY2(loadSheet().contains(selector), qPrintable(selector));
    }

    void sheetParsesWithoutWarnings()
    {
        g_warnings.clear();
        auto previous = qInstallMessageHandler(captureWarnings);
        qApp->setStyleSheet(loadSheet());
        QPushButton button(QStringLiteral("x"));
        button.setProperty("flat", true);
        button.ensurePolished();
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previous);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
