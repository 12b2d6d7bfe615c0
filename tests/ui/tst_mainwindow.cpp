#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>

#include <memory>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "profiles/CurveProfileJsonStore.h"
#include "support/AttachableTransport.h"
#include "support/MarkingTranslator.h"
#include "ui/MainWindow.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

namespace {

const QString kLeaveText = QStringLiteral(
    "A firmware update is in progress.\n\nIf you leave this page now, it may be harder to follow progress or cancel "
    "safely.\n\nWould you like to stay on the Update page?");
const QString kCloseText = QStringLiteral(
    "A firmware update is still running.\n\nClosing Quilbex Control now could interrupt the update and may leave "
    "your pedals in an incomplete state.\n\nAre you sure you want to quit?");

// Answers every message box that comes up while it lives (QMessageBox::Escape: the Escape key).
class Answerer : public QObject
{
public:
    using Answer = QMessageBox::StandardButton;
    static constexpr Answer Yes = QMessageBox::Yes, No = QMessageBox::No, Escape = QMessageBox::Escape;
    explicit Answerer(Answer answer) : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { answerOpenBox(); });
        m_timer.start(10);
    }
    int asked = 0;
    QString title, text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

private:
    void answerOpenBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++asked;
        title = box->windowTitle();
        text = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        if (m_answer == Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(m_answer)->click();
    }
    Answer m_answer;
    QTimer m_timer;
};

void noLog(QtMsgType, const QMessageLogContext&, const QString&) {}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Rig
{
    std::unique_ptr<Application> app;
    std::unique_ptr<MainWindow> window;

    Rig()
    {
        app = std::make_unique<Application>([] {
            auto t = std::make_unique<AttachableTransport>();
            t->present = false;
            return std::unique_ptr<IHidTransport>(std::move(t));
        });
        window = std::make_unique<MainWindow>(app.get());
    }
    ~Rig()
    {
        app->upgradeStatus->state = UpgradeStatus::Idle; // let the window go without asking
        window.reset();
    }
    QListWidget* nav() const { return window->findChild<QListWidget*>(QStringLiteral("navList")); }
    QStackedWidget* stack() const { return window->findChild<QStackedWidget*>(QStringLiteral("pageStack")); }
    QString status() const { return window->statusBar()->currentMessage(); }
    QString pageName() const { return stack()->currentWidget()->objectName(); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(noLog); }

    void startsOnPedalsAndReady()
    {
        Rig rig;
        QCOMPARE(rig.nav()->currentRow(), 1);
        QCOMPARE(rig.pageName(), QStringLiteral("pagePedals"));
        QCOMPARE(rig.status(), QStringLiteral("Ready"));
        QCOMPARE(rig.window->windowTitle(), QStringLiteral("Quilbex Control"));
        const QStringList pages{QStringLiteral("pageDevice"), QStringLiteral("pagePedals"), QStringLiteral("pageTrace"),
                                QStringLiteral("pageUpdate"), QStringLiteral("pageSettings")};
        const QStringList rows{QStringLiteral("\U0001F4BB  Device"), QStringLiteral("\U0001F39B  Pedals"),
                               QStringLiteral("\U0001F4C8  Trace"), QStringLiteral("\U0001F504  Update"),
                               QStringLiteral("\u2699  Settings")};
        QCOMPARE(rig.nav()->count(), 5);
        QCOMPARE(rig.stack()->count(), 5);
        QVERIFY(rig.window->findChild<QLabel*>(QStringLiteral("navLogoLabel")));
        QCOMPARE(rig.window->findChild<QLabel*>(QStringLiteral("navVersionLabel"))->text(),
                 QStringLiteral("v3.0.0-dev"));
        for (int i = 0; i < 5; ++i) { // pages not shown yet are built when first selected
            QCOMPARE(rig.nav()->item(i)->text(), rows.at(i));
            rig.nav()->setCurrentRow(i);
            QCOMPARE(rig.pageName(), pages.at(i));
        }
    }

    void leaveGuard_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asks");
        for (int s = 0; s <= 5; ++s) {
            const bool busy = s >= 1 && s <= 3;
            QTest::addRow("state %d, yes", s) << s << true << busy;
            if (busy)
                QTest::addRow("state %d, no", s) << s << false << true;
        }
    }
    void leaveGuard()
    {
        QFETCH(int, state);
        QFETCH(bool, yes);
        QFETCH(bool, asks);
        Rig rig;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        rig.nav()->setCurrentRow(3);
        rig.app->upgradeStatus->state = state;
        QCOMPARE(rig.status(), QStringLiteral("Page: Update"));

        Answerer answerer(yes ? Answerer::Yes : Answerer::No);
        QTest::mouseClick(rig.nav()->viewport(), Qt::LeftButton, {},
                          rig.nav()->visualItemRect(rig.nav()->item(4)).center());
        QCOMPARE(answerer.asked, asks ? 1 : 0);
        if (asks) {
            QCOMPARE(answerer.title, QStringLiteral("Firmware update"));
            QCOMPARE(answerer.text, kLeaveText);
            QCOMPARE(answerer.defaultButton, QMessageBox::Yes);
        }
        const bool stays = asks && yes;
        QCOMPARE(rig.nav()->currentRow(), stays ? 3 : 4);
        // The highlight stays on the row of the page shown, also after the list handled the click.
        QTRY_COMPARE(rig.nav()->selectedItems(), QList<QListWidgetItem*>{rig.nav()->item(stays ? 3 : 4)});
        QCOMPARE(rig.pageName(), stays ? QStringLiteral("pageUpdate") : QStringLiteral("pageSettings"));
        QCOMPARE(rig.status(), stays ? QStringLiteral("Page: Update") : QStringLiteral("Page: Settings"));

        // Choosing the Update row itself never asks.
        const int before = answerer.asked;
        rig.nav()->setCurrentRow(3);
        QCOMPARE(answerer.asked, before);
        QCOMPARE(rig.pageName(), QStringLiteral("pageUpdate"));
    }

    void closeGuard_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("starting, yes") << 1 << int(Answerer::Yes) << true;
        QTest::newRow("unsaved profile, cancel") << 0 << int(QMessageBox::Cancel) << false;
        QTest::newRow("unsaved profile, discard") << 0 << int(QMessageBox::Discard) << true;
        QTest::newRow("unsaved profile, save") << 0 << int(QMessageBox::Save) << true;
        QTest::newRow("checking, no") << 2 << int(Answerer::No) << false;
        QTest::newRow("transferring, escape") << 3 << int(Answerer::Escape) << false;
        QTest::newRow("transferring, yes") << 3 << int(Answerer::Yes) << true;
        QTest::newRow("idle") << 0 << int(Answerer::No) << true;
        QTest::newRow("installed") << 4 << int(Answerer::No) << true;
    }
    void closeGuard()
    {
        QFETCH(int, state);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        const QString profiles = CurveProfileJsonStore::defaultProfilesDirectory();
        QDir(profiles).removeRecursively(); // fresh built-in profiles
        Rig rig;
        rig.window->show();
        rig.app->upgradeStatus->state = state;
        const bool unsaved =
            answer == QMessageBox::Cancel || answer == QMessageBox::Discard || answer == QMessageBox::Save;
        const QString stored = QDir(profiles).filePath("Default.json");
        const QByteArray before = readFile(stored);
        if (unsaved) {
            // Edits made on the loaded "Default" belong to it; Save writes them there.
            auto* page = rig.window->findChild<PedalsPage*>();
            QVERIFY(QMetaObject::invokeMethod(page, "onProfileLoad"));
            page->card(0)->findChild<QSpinBox*>()->setValue(9);
        }
        Answerer answerer{Answerer::Answer(answer)};
        QCOMPARE(rig.window->close(), closes);
        QCOMPARE(rig.window->isVisible(), !closes);
        if (unsaved) {
            QCOMPARE(answerer.text, QStringLiteral("Profile has unsaved changes in the editor."));
            QCOMPARE(readFile(stored) != before, answer == QMessageBox::Save);
        }
        const bool busy = state >= 1 && state <= 3;
        QCOMPARE(answerer.asked, busy || unsaved ? 1 : 0);
        if (busy) {
            QCOMPARE(answerer.text, kCloseText);
            QCOMPARE(answerer.defaultButton, QMessageBox::No);
        }
    }

    // A question about the running update closes when the update ends, and what the user
    // asked for goes on: the page is shown, the window closes.
    void questionEndsWithTheUpdate_data()
    {
        QTest::addColumn<bool>("leave");
        QTest::newRow("leave") << true;
        QTest::newRow("close") << false;
    }
    void questionEndsWithTheUpdate()
    {
        QFETCH(bool, leave);
        Rig rig;
        rig.window->show();
        rig.nav()->setCurrentRow(3);
        rig.app->upgradeStatus->state = UpgradeStatus::Transferring;
        bool asked = false, closedByItself = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || asked)
                return;
            asked = true;
            rig.app->upgradeStatus->state = UpgradeStatus::Installed;
            rig.app->coordinator->refreshUpgradeBusySignal();
            closedByItself = !box->isVisible();
            if (!closedByItself)
                box->defaultButton()->click(); // the answer that keeps the update guarded
        });
        poll.start(10);
        bool closed = false;
        if (leave)
            rig.nav()->setCurrentRow(4);
        else
            closed = rig.window->close();
        QVERIFY(asked);
        QVERIFY(closedByItself);
        if (leave)
            QCOMPARE(rig.pageName(), QStringLiteral("pageSettings"));
        else
            QVERIFY(closed);
    }

    // Over a slider, spin box or list without focus the wheel scrolls the page; with focus
    // it changes the value.
    void wheelNeedsFocus_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("spin box") << "QSpinBox";
        QTest::newRow("slider") << "QSlider";
        QTest::newRow("combo box") << "QComboBox";
    }
    void wheelNeedsFocus()
    {
        QFETCH(QString, type);
        Rig rig;
        rig.window->resize(rig.window->minimumSize());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* page = rig.window->findChild<PedalsPage*>();
        QWidget* control = nullptr;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (w->inherits(qPrintable(type)) && w->isVisible()) {
                control = w;
                break;
            }
        }
        QVERIFY(control);
        QScrollBar* scroll = page->findChild<QScrollArea*>()->verticalScrollBar();
        auto wheel = [&] {
            const QPoint at = control->rect().center();
            QWheelEvent event(at, control->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(control, &event);
        };
        const QVariant value = control->property(type == "QComboBox" ? "currentIndex" : "value");
        scroll->setValue(scroll->maximum());
        QVERIFY(scroll->value() > 0);
        wheel();
        QCOMPARE(control->property(type == "QComboBox" ? "currentIndex" : "value"), value);
        QVERIFY(scroll->value() < scroll->maximum());
        QVERIFY(!control->hasFocus());

        const int scrolled = scroll->value();
        control->setFocus();
        wheel();
        QVERIFY(control->property(type == "QComboBox" ? "currentIndex" : "value") != value);
        QCOMPARE(scroll->value(), scrolled);
    }

    void languageChangeRetranslates()
    {
        Rig rig;
        rig.nav()->setCurrentRow(4);
        MarkingTranslator translator;
        translator.fixed.insert(QStringLiteral("Settings"), QStringLiteral("Ein  Stellungen"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(rig.window->windowTitle(), QStringLiteral("«Quilbex Control»"));
        QCOMPARE(rig.nav()->item(0)->text(), QStringLiteral("\U0001F4BB  «Device»"));
        QCOMPARE(rig.nav()->item(4)->text(), QStringLiteral("\u2699  Ein  Stellungen"));
        // Only the blanks after the glyph separate: the label's own two blanks stay.
        QCOMPARE(rig.status(), QStringLiteral("«Page: Ein  Stellungen»"));
        // The pages were retranslated as well.
        QCOMPARE(rig.stack()->widget(2)->findChild<QLabel*>(QStringLiteral("pageTitle"))->text(),
                 QStringLiteral("<h2>«Trace»</h2>"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(rig.status(), QStringLiteral("Page: Settings"));
    }

    void localeChangeDuringUpdateAsksAgain()
    {
        Rig rig;
        rig.nav()->setCurrentRow(4);
        rig.app->upgradeStatus->state = UpgradeStatus::Transferring;
        Answerer answerer(Answerer::Yes);
        Q_EMIT rig.app->languageManager->localeChanged(QStringLiteral("de"));
        QCOMPARE(answerer.asked, 1);
        QCOMPARE(rig.nav()->currentRow(), 3);
        QCOMPARE(rig.pageName(), QStringLiteral("pageUpdate"));
        QCOMPARE(rig.status(), QStringLiteral("Page: Update"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
