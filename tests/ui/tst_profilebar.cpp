#include <QtTest>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/stat.h>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/GameBindings.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

using Store = CurveProfileJsonStore;

namespace {

// Answers the modal dialogs of a flow in order and records each as "title|text" (for an
// input dialog "title|label", its preset text in presets). A dialog without a scripted
// answer counts as unexpected and is rejected, so a wrong flow fails instead of blocking.
class DialogScript : public QObject
{
public:
    DialogScript()
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start(5);
    }
    void thenButton(QMessageBox::StandardButton button) { m_answers.append(int(button)); }
    void thenText(const QString& text) { m_answers.append(text); }

    QStringList seen;
    QStringList presets;
    int unexpected = 0;
    bool allAnswered() const { return m_answers.isEmpty(); }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last)
            return;
        m_last = dialog;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        auto* input = qobject_cast<QInputDialog*>(dialog);
        seen << dialog->windowTitle() + QLatin1Char('|') + (box ? box->text() : input ? input->labelText() : QString());
        if (box && !box->informativeText().isEmpty())
            seen.last() += QLatin1Char('|') + box->informativeText();
        if (input)
            presets << input->textValue();
        const QVariant answer = m_answers.isEmpty() ? QVariant() : m_answers.takeFirst();
        if (box && answer.userType() == QMetaType::Int && box->button(QMessageBox::StandardButton(answer.toInt()))) {
            box->button(QMessageBox::StandardButton(answer.toInt()))->click();
        } else if (input && answer.userType() == QMetaType::QString) {
            input->setTextValue(answer.toString());
            input->accept();
        } else {
            ++unexpected;
            dialog->reject();
        }
    }

    QTimer m_timer;
    QVariantList m_answers;
    QPointer<QDialog> m_last;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestProfileBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startSelectsDefaultAndEditsMarkDirty();
    void loadWhileDirty_data();
    void loadWhileDirty();
    void deleteAsksAndKeepsOne();
    void deleteRefusesLastProfile();
    void newProfileValidatesAndSaves();
    void rename_data();
    void rename();
    void importShowsInvalidMessage();
    void exportWritesStoredState();

private:
    void makePage();
    QComboBox* combo() const { return m_page->findChild<QComboBox*>(); }
    QPushButton* button(const QString& text) const;
    void select(const QString& name);
    void setDeadzoneTop(int hostIndex, int value);
    QString pathOf(const QString& base) const { return m_dir + QLatin1Char('/') + base + QStringLiteral(".json"); }

    QString m_dir;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<QWidget> m_window;
    PedalsPage* m_page = nullptr;
    std::unique_ptr<DialogScript> m_dialogs;
    QStringList m_chooserAnswers;
    QStringList m_chooserCalls;
};

void TestProfileBar::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    PedalsPage::profileFileChooser() = [this](QWidget*, const QString& caption, const QString& preset, const QString&,
                                              bool save) {
        m_chooserCalls << caption + QLatin1Char('|') + preset + (save ? "|save" : "|open");
        return m_chooserAnswers.isEmpty() ? QString() : m_chooserAnswers.takeFirst();
    };
}

void TestProfileBar::init()
{
    m_dir = Store::defaultProfilesDirectory();
    QDir(m_dir).removeRecursively();
    QSettings().remove(QStringLiteral("games"));
    m_chooserAnswers.clear();
    m_chooserCalls.clear();
    m_dialogs = std::make_unique<DialogScript>();
}

void TestProfileBar::cleanup()
{
    m_window.reset();
    m_app.reset();
    m_page = nullptr;
    if (m_dialogs) {
        QCOMPARE(m_dialogs->unexpected, 0);
        QVERIFY(m_dialogs->allAnswered());
    }
    m_dialogs.reset();
}

void TestProfileBar::makePage()
{
    m_app = std::make_unique<Application>(Application::TransportFactory());
    m_window = std::make_unique<QWidget>();
    m_page = new PedalsPage(m_app.get(), m_window.get());
}

QPushButton* TestProfileBar::button(const QString& text) const
{
    for (QPushButton* b :
         m_page->findChild<QFrame*>(QStringLiteral("curveProfilesBar"))->findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void TestProfileBar::select(const QString& name)
{
    const int index = combo()->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    combo()->setCurrentIndex(index);
}

void TestProfileBar::setDeadzoneTop(int hostIndex, int value)
{
    PedalChannelCard* card = m_page->card(hostIndex);
    for (QSpinBox* spin : card->findChildren<QSpinBox*>()) {
        const int before = card->deadzoneTopValue();
        spin->setValue(value);
        if (card->deadzoneTopValue() == value && before != value)
            return;
    }
    QFAIL("no deadzone spin box took the value");
}

void TestProfileBar::startSelectsDefaultAndEditsMarkDirty()
{
    makePage();
    QCOMPARE(combo()->count(), 11);
    QCOMPARE(combo()->currentText(), QStringLiteral("Default"));
    QCOMPARE(combo()->currentData().toString(), pathOf("Default"));
    for (int i = 1; i < combo()->count(); ++i)
        QVERIFY(QString::localeAwareCompare(combo()->itemText(i - 1), combo()->itemText(i)) <= 0);

    // Only selected: the editor keeps the device's values.
    QCOMPARE(int(m_app->config->deadTop[0]), 0);
    QVERIFY(!m_page->isProfileDirty());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quilbex Control"));
    QPushButton* save = m_page->findChild<QPushButton*>(QStringLiteral("pedalsProfileSave"));
    QVERIFY(save && !save->isEnabled());
    QCOMPARE(save->property("profileDirty").toBool(), false);
    QVERIFY(button("Delete")->isEnabled() && button("Load")->isEnabled() && button("Export")->isEnabled());

    // An edit marks the profile dirty: Save turns active and orange, the title gets a star.
    setDeadzoneTop(0, 9);
    QVERIFY(m_page->isProfileDirty());
    QVERIFY(save->isEnabled());
    QCOMPARE(save->property("profileDirty").toBool(), true);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quilbex Control *"));

    // Save writes the editor into the selected profile and clears the mark.
    save->click();
    QVERIFY(!m_page->isProfileDirty());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quilbex Control"));
    CurveProfile stored;
    QVERIFY(Store::loadProfile(pathOf("Default"), stored, nullptr));
    QCOMPARE(stored.pedals[0].deadzoneTop, 9);
    QCOMPARE(stored.profileName, QStringLiteral("Default"));
    QCOMPARE(combo()->currentText(), QStringLiteral("Default"));
}

void TestProfileBar::loadWhileDirty_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("breakSave");
    QTest::addColumn<int>("expectedDeadTop");
    QTest::addColumn<bool>("expectedDirty");
    QTest::addColumn<int>("activeDeadTop"); // stored in the profile the edits belong to; -1: unreadable
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << 7 << true << 30;
    QTest::newRow("discard") << int(QMessageBox::Discard) << false << 20 << false << 30;
    QTest::newRow("save") << int(QMessageBox::Save) << false << 20 << false << 7;
    QTest::newRow("save fails") << int(QMessageBox::Save) << true << 7 << true << -1;
}

void TestProfileBar::loadWhileDirty()
{
    QFETCH(int, answer);
    QFETCH(bool, breakSave);
    QFETCH(int, expectedDeadTop);
    QFETCH(bool, expectedDirty);
    QFETCH(int, activeDeadTop);

    QVERIFY(Store::ensureDefaultProfiles(m_dir, nullptr));
    CurveProfile profile = makeDefaultProfile(QStringLiteral("F1 25"));
    profile.pedals[0].deadzoneTop = 20;
    QVERIFY(Store::saveProfile(pathOf("F1 25"), profile, nullptr));
    profile.profileName = QStringLiteral("Rally");
    profile.pedals[0].deadzoneTop = 30;
    QVERIFY(Store::saveProfile(pathOf("Rally"), profile, nullptr));
    makePage();
    // The edits are made on "Rally"; "F1 25" is selected to be loaded next.
    select(QStringLiteral("Rally"));
    button("Load")->click();
    select(QStringLiteral("F1 25"));
    const QByteArray selectedBefore = readAll(pathOf("F1 25"));
    setDeadzoneTop(0, 7);
    QVERIFY(m_page->isProfileDirty());
    if (breakSave) {
        // A directory in place of the file: the save cannot replace it.
        QVERIFY(QFile::remove(pathOf("Rally")));
        QVERIFY(QDir().mkdir(pathOf("Rally")));
    }

    m_dialogs->thenButton(QMessageBox::StandardButton(answer));
    if (breakSave)
        m_dialogs->thenButton(QMessageBox::Ok);
    button("Load")->click();

    QCOMPARE(m_dialogs->seen.value(0),
             QStringLiteral("Load profile|Profile has unsaved changes in the editor.|Save "
                            "them to the profile \"Rally\" they were made on, discard "
                            "them, or cancel."));
    if (breakSave)
        QCOMPARE(m_dialogs->seen.value(1), QStringLiteral("Save profile|Cannot write: %1").arg(pathOf("Rally")));
    QCOMPARE(m_dialogs->seen.size(), breakSave ? 2 : 1);
    QCOMPARE(int(m_app->config->deadTop[0]), expectedDeadTop);
    QCOMPARE(m_page->isProfileDirty(), expectedDirty);
    QCOMPARE(m_window->windowTitle().endsWith(" *"), expectedDirty);
    QCOMPARE(readAll(pathOf("F1 25")), selectedBefore); // the selected profile is never written
    if (activeDeadTop >= 0) {
        CurveProfile stored;
        QVERIFY(Store::loadProfile(pathOf("Rally"), stored, nullptr));
        QCOMPARE(stored.pedals[0].deadzoneTop, activeDeadTop);
    }
    if (!expectedDirty) {
        // Loaded: every column offers its SAVE, the profile bar is clean.
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_page->card(i)->isDirty());
        QCOMPARE(m_page->activeProfilePath(), pathOf("F1 25"));
    }
}

void TestProfileBar::deleteAsksAndKeepsOne()
{
    makePage();
    select(QStringLiteral("iRacing"));
    m_dialogs->thenButton(QMessageBox::No);
    button("Delete")->click();
    QCOMPARE(m_dialogs->seen, QStringList{"Delete profile|Permanently delete profile \"iRacing\"?"});
    QVERIFY(QFile::exists(pathOf("iRacing")));

    setDeadzoneTop(2, 11);
    m_dialogs->thenButton(QMessageBox::Discard);
    m_dialogs->thenButton(QMessageBox::Yes);
    button("Delete")->click();
    QCOMPARE(m_dialogs->seen.size(), 3);
    QVERIFY(!QFile::exists(pathOf("iRacing")));
    QCOMPARE(combo()->count(), 10);
    QCOMPARE(combo()->currentIndex(), 0);
    QVERIFY(!m_page->isProfileDirty());
    QCOMPARE(int(m_app->config->deadTop[2]), 11); // the editor keeps its values
    // Its games go with it.
    QCOMPARE(GameBindings::executables(QStringLiteral("iRacing.json")), QStringList());
}

void TestProfileBar::deleteRefusesLastProfile()
{
    QVERIFY(QDir().mkpath(m_dir));
    QVERIFY(Store::saveProfile(pathOf("Only"), makeDefaultProfile("Only"), nullptr));
    makePage();
    QCOMPARE(combo()->count(), 1);
    QVERIFY(!button("Delete")->isEnabled());
    setDeadzoneTop(0, 4);
    // Enabled or not, the action itself refuses, before any question about changes.
    m_dialogs->thenButton(QMessageBox::Ok);
    QMetaObject::invokeMethod(m_page, "onProfileDelete");
    QCOMPARE(m_dialogs->seen, QStringList{"Delete profile|At least one profile must remain."});
    QVERIFY(QFile::exists(pathOf("Only")));
    QVERIFY(m_page->isProfileDirty());
}

void TestProfileBar::newProfileValidatesAndSaves()
{
    makePage();
    setDeadzoneTop(1, 13);
    m_dialogs->thenText(QStringLiteral("Wet: race?"));
    m_dialogs->thenButton(QMessageBox::Ok);
    button("New")->click();
    QCOMPARE(m_dialogs->seen,
             (QStringList{"New profile|Profile name:", "New profile|Name contains invalid characters"}));
    QCOMPARE(m_dialogs->presets, QStringList{"My profile"});
    QCOMPARE(combo()->count(), 11);
    QVERIFY(m_page->isProfileDirty());

    m_dialogs->thenText(QStringLiteral("  Default "));
    button("New")->click();
    QCOMPARE(combo()->count(), 12);
    QCOMPARE(combo()->currentData().toString(), pathOf("Default (1)"));
    QCOMPARE(combo()->currentText(), QStringLiteral("Default"));
    QVERIFY(!m_page->isProfileDirty());
    CurveProfile stored;
    QVERIFY(Store::loadProfile(pathOf("Default (1)"), stored, nullptr));
    QCOMPARE(stored.pedals[1].deadzoneTop, 13);
}

void TestProfileBar::rename_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("double click") << "double click";
    QTest::newRow("context menu") << "context menu";
    QTest::newRow("F2") << "F2";
}

void TestProfileBar::rename()
{
    QFETCH(QString, how);
    makePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    setDeadzoneTop(0, 5);
    select(QStringLiteral("Default"));
    QVERIFY(GameBindings::bind(QStringLiteral("Default.json"), QStringLiteral("kart.exe"), nullptr, nullptr));
    m_dialogs->thenText(QStringLiteral("iRacing"));
    if (how == "double click") {
        // As a real double click arrives: press, release, press, double click, release.
        const QPoint text(20, combo()->height() / 2);
        QTest::mouseClick(combo(), Qt::LeftButton, {}, text);
        QVERIFY(!combo()->view()->isVisible()); // an open list would take the second press
        QTest::mousePress(combo(), Qt::LeftButton, {}, text);
        QTest::mouseDClick(combo(), Qt::LeftButton, {}, text);
        QTest::mouseRelease(combo(), Qt::LeftButton, {}, text);
    } else if (how == "context menu") {
        QAction* action = combo()->actions().value(0);
        QVERIFY(action && combo()->contextMenuPolicy() == Qt::ActionsContextMenu);
        QCOMPARE(action->text(), QStringLiteral("Rename…"));
        action->trigger();
    } else {
        combo()->setFocus();
        QTest::keyClick(combo(), Qt::Key_F2);
    }
    QCOMPARE(m_dialogs->seen, QStringList{"Rename profile|New name:"});
    QCOMPARE(m_dialogs->presets, QStringList{"Default"});
    QVERIFY(!QFile::exists(pathOf("Default")));
    QVERIFY(QFile::exists(pathOf("iRacing (1)")));
    QCOMPARE(combo()->currentData().toString(), pathOf("iRacing (1)"));
    QCOMPARE(combo()->currentText(), QStringLiteral("iRacing"));
    QVERIFY(m_page->isProfileDirty()); // renaming does not touch the editor state
    QCOMPARE(GameBindings::executables(QStringLiteral("iRacing (1).json")), QStringList{"kart.exe"});
    QCOMPARE(GameBindings::executables(QStringLiteral("Default.json")), QStringList());

    // One click on the text opens the list (once no second click can follow); a
    // right-button double click renames nothing.
    QTest::mouseDClick(combo(), Qt::RightButton, {}, QPoint(20, combo()->height() / 2));
    QTest::mouseClick(combo(), Qt::LeftButton, {}, QPoint(20, combo()->height() / 2));
    QTRY_VERIFY(combo()->view()->isVisible());
    combo()->hidePopup();
    QCOMPARE(m_dialogs->seen.size(), 1);
}

void TestProfileBar::importShowsInvalidMessage()
{
    QTemporaryDir tmp;
    QByteArray bytes = profileToJson(makeDefaultProfile(QStringLiteral("Track")));
    const QString good = tmp.filePath("good.json");
    const QString bad = tmp.filePath("bad.json");
    QVERIFY(writeFile(good, bytes));
    QVERIFY(writeFile(bad, bytes.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 51")));

    const QString pipe = tmp.filePath("pipe.json"); // opening it would block the window
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    makePage();
    setDeadzoneTop(0, 6);
    m_chooserAnswers << bad << tmp.filePath("missing.json") << pipe << good;
    for (int i = 0; i < 3; ++i) {
        m_dialogs->thenButton(QMessageBox::Ok);
        button("Import")->click();
    }
    const QString invalid = QStringLiteral("Import profile|") + invalidProfileMessage();
    QCOMPARE(m_dialogs->seen, (QStringList{invalid, invalid, "Import profile|Not a regular file: " + pipe}));
    QCOMPARE(combo()->count(), 11);

    button("Import")->click();
    QCOMPARE(m_chooserCalls.value(0), QStringLiteral("Import profile||open"));
    QCOMPARE(combo()->count(), 12);
    QCOMPARE(combo()->currentText(), QStringLiteral("Track"));
    QCOMPARE(combo()->currentData().toString(), pathOf("Track"));
    QVERIFY(m_page->isProfileDirty()); // import leaves the editor alone
}

void TestProfileBar::exportWritesStoredState()
{
    QTemporaryDir tmp;
    makePage();
    select(QStringLiteral("BeamNG.drive"));
    setDeadzoneTop(0, 33);
    const QByteArray stored = readAll(pathOf("BeamNG.drive"));
    const QString target = tmp.filePath("out.json");
    QVERIFY(writeFile(target, "old"));

    m_chooserAnswers << target;
    button("Export")->click();
    QCOMPARE(m_chooserCalls, QStringList{"Export profile|BeamNG.drive.json|save"});
    QCOMPARE(readAll(target), stored);

    // Exporting onto the stored file itself leaves the profile in place.
    m_chooserAnswers << pathOf("BeamNG.drive");
    button("Export")->click();
    QCOMPARE(readAll(pathOf("BeamNG.drive")), stored);
    QCOMPARE(m_dialogs->seen, QStringList());
}

QTEST_MAIN(TestProfileBar)
#include "tst_profilebar.moc"
