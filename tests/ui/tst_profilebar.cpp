#include <QtTest>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "coordination/DeviceConfigModel.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/GameBindings.h"
#include "support/UiSupport.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

class TestProfileBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        PedalsPage::profileFileChooser() = [this](QWidget*, const QString&, const QString&, const QString&, bool) {
            return m_chooserAnswers.isEmpty() ? QString() : m_chooserAnswers.takeFirst();
        };
    }
    void init()
    {
        m_dir = CurveProfileJsonStore::defaultProfilesDirectory();
        QDir(m_dir).removeRecursively();
        QSettings().remove(QStringLiteral("games"));
        m_chooserAnswers.clear();
        m_dialogs = std::make_unique<DialogScript>();
    }
    void cleanup()
    {
        m_window.reset();
        m_app.reset();
        QCOMPARE(m_dialogs->unexpected, 0);
        QVERIFY(m_dialogs->allAnswered());
    }

    void saveAndNew()
    {
        makePage();
        for (int i = 1; i < combo()->count(); ++i)
            QVERIFY(QString::localeAwareCompare(combo()->itemText(i - 1), combo()->itemText(i)) <= 0);
        QCOMPARE(combo()->currentData().toString(), pathOf("Default"));
        QCOMPARE(int(m_app->config->deadTop[0]), 0); // only selected: the editor keeps the device's values
        QPushButton* save = m_page->findChild<QPushButton*>(QStringLiteral("pedalsProfileSave"));
        QVERIFY(!m_page->isProfileDirty() && !save->isEnabled());
        setDeadzoneTop(0, 9);
        QVERIFY(m_page->isProfileDirty() && save->isEnabled());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Quilbex Control *"));
        save->click();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Quilbex Control"));
        QCOMPARE(storedDeadTop("Default"), 9);

        // New saves the editor under a valid name; a taken name gets a number.
        setDeadzoneTop(1, 13);
        m_dialogs->then(QStringLiteral("Wet: race?")).then(QMessageBox::Ok).then(QStringLiteral("  Default "));
        button("New")->click();
        QCOMPARE(m_dialogs->seen.value(1), QStringLiteral("New profile|Name contains invalid characters"));
        QCOMPARE(combo()->count(), 11);
        button("New")->click();
        QCOMPARE(combo()->currentData().toString(), pathOf("Default (1)"));
        QCOMPARE(combo()->currentText(), QStringLiteral("Default"));
        QVERIFY(!m_page->isProfileDirty());
        QCOMPARE(storedDeadTop("Default (1)", 1), 13);
    }

    // Edits belong to the profile last loaded ("Rally"), not to the one selected next ("F1 25").
    void loadWhileDirty_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("breakSave");
        QTest::addColumn<int>("editorDeadTop");
        QTest::addColumn<int>("rallyDeadTop"); // -1: unreadable
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << 7 << 30;
        QTest::newRow("discard") << int(QMessageBox::Discard) << false << 20 << 30;
        QTest::newRow("save") << int(QMessageBox::Save) << false << 20 << 7;
        QTest::newRow("save fails") << int(QMessageBox::Save) << true << 7 << -1;
    }
    void loadWhileDirty()
    {
        QFETCH(int, answer);
        QFETCH(bool, breakSave);
        QFETCH(int, editorDeadTop);
        QFETCH(int, rallyDeadTop);
        QVERIFY(CurveProfileJsonStore::ensureDefaultProfiles(m_dir, nullptr));
        for (const auto& [name, deadTop] : {std::pair{"F1 25", 20}, {"Rally", 30}}) {
            CurveProfile profile = makeDefaultProfile(QString::fromLatin1(name));
            profile.pedals[0].deadzoneTop = deadTop;
            QVERIFY(CurveProfileJsonStore::saveProfile(pathOf(name), profile, nullptr));
        }
        makePage();
        select(QStringLiteral("Rally"));
        button("Load")->click();
        select(QStringLiteral("F1 25"));
        const QByteArray selectedBefore = readFile(pathOf("F1 25"));
        setDeadzoneTop(0, 7);
        if (breakSave) // a directory in place of the file: the save cannot replace it
            QVERIFY(QFile::remove(pathOf("Rally")) && QDir().mkdir(pathOf("Rally")));

        m_dialogs->then(answer);
        if (breakSave)
            m_dialogs->then(QMessageBox::Ok);
        button("Load")->click();
        QCOMPARE(m_dialogs->seen.value(0),
                 QStringLiteral("Load profile|Profile has unsaved changes in the editor.|Save them to the profile "
                                "\"Rally\" they were made on, discard them, or cancel."));
        if (breakSave)
            QCOMPARE(m_dialogs->seen.value(1), QStringLiteral("Save profile|Cannot write: %1").arg(pathOf("Rally")));
        const bool loaded = editorDeadTop == 20;
        QCOMPARE(int(m_app->config->deadTop[0]), editorDeadTop);
        QCOMPARE(m_page->isProfileDirty(), !loaded);
        QCOMPARE(readFile(pathOf("F1 25")), selectedBefore); // the selected profile is never written
        QCOMPARE(storedDeadTop("Rally"), rallyDeadTop);
        if (loaded) {
            for (int i = 0; i < 3; ++i)
                QVERIFY(m_page->card(i)->isDirty()); // every column offers its SAVE
            QCOMPARE(m_page->activeProfilePath(), pathOf("F1 25"));
        }
    }

    void deleteAsksAndKeepsOne()
    {
        makePage();
        select(QStringLiteral("iRacing"));
        m_dialogs->then(QMessageBox::No);
        button("Delete")->click();
        QCOMPARE(m_dialogs->seen, QStringList{"Delete profile|Permanently delete profile \"iRacing\"?"});
        QVERIFY(QFile::exists(pathOf("iRacing")));

        setDeadzoneTop(2, 11);
        m_dialogs->then(QMessageBox::Discard).then(QMessageBox::Yes);
        button("Delete")->click();
        QVERIFY(!QFile::exists(pathOf("iRacing")));
        QCOMPARE(combo()->count(), 10);
        QVERIFY(!m_page->isProfileDirty());
        QCOMPARE(int(m_app->config->deadTop[2]), 11); // the editor keeps its values
        QCOMPARE(GameBindings::executables(QStringLiteral("iRacing.json")), QStringList()); // its games go too

        // The last profile is never deleted, enabled or not, before any question about changes.
        for (int i = combo()->count(); i > 1; --i) {
            m_dialogs->then(QMessageBox::Yes);
            button("Delete")->click();
        }
        QVERIFY(!button("Delete")->isEnabled());
        setDeadzoneTop(0, 4);
        m_dialogs->then(QMessageBox::Ok);
        QMetaObject::invokeMethod(m_page, "onProfileDelete");
        QCOMPARE(m_dialogs->seen.last(), QStringLiteral("Delete profile|At least one profile must remain."));
        QVERIFY(QDir(m_dir).entryList(QDir::Files).size() == 1 && m_page->isProfileDirty());
    }

    void rename_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("double click") << "double click";
        QTest::newRow("context menu") << "context menu";
        QTest::newRow("F2") << "F2";
    }
    void rename()
    {
        QFETCH(QString, how);
        makePage();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        setDeadzoneTop(0, 5);
        select(QStringLiteral("Default"));
        QVERIFY(GameBindings::bind(QStringLiteral("Default.json"), QStringLiteral("kart.exe"), nullptr, nullptr));
        m_dialogs->then(QStringLiteral("iRacing"));
        const QPoint text(20, combo()->height() / 2);
        if (how == "double click") {
            // As a real double click arrives: press, release, press, double click, release.
            QTest::mouseClick(combo(), Qt::LeftButton, {}, text);
            QVERIFY(!combo()->view()->isVisible()); // an open list would take the second press
            QTest::mousePress(combo(), Qt::LeftButton, {}, text);
            QTest::mouseDClick(combo(), Qt::LeftButton, {}, text);
            QTest::mouseRelease(combo(), Qt::LeftButton, {}, text);
        } else if (how == "context menu") {
            QVERIFY(combo()->contextMenuPolicy() == Qt::ActionsContextMenu);
            combo()->actions().value(0)->trigger();
        } else {
            combo()->setFocus();
            QTest::keyClick(combo(), Qt::Key_F2);
        }
        QCOMPARE(m_dialogs->seen, QStringList{"Rename profile|New name:"});
        QVERIFY(!QFile::exists(pathOf("Default")));
        QCOMPARE(combo()->currentData().toString(), pathOf("iRacing (1)"));
        QCOMPARE(combo()->currentText(), QStringLiteral("iRacing"));
        QVERIFY(m_page->isProfileDirty()); // renaming does not touch the editor state
        QCOMPARE(GameBindings::executables(QStringLiteral("iRacing (1).json")), QStringList{"kart.exe"});
        QCOMPARE(GameBindings::executables(QStringLiteral("Default.json")), QStringList());

        // One click on the text opens the list (once no second click can follow); a
        // right-button double click renames nothing.
        QTest::mouseDClick(combo(), Qt::RightButton, {}, text);
        QTest::mouseClick(combo(), Qt::LeftButton, {}, text);
        QTRY_VERIFY(combo()->view()->isVisible());
        combo()->hidePopup();
        QCOMPARE(m_dialogs->seen.size(), 1);
    }

    void importRefusesBadFilesAndExport()
    {
        QTemporaryDir tmp;
        QByteArray bytes = profileToJson(makeDefaultProfile(QStringLiteral("Track")));
        const QString good = tmp.filePath("good.json"), bad = tmp.filePath("bad.json");
        const QString pipe = tmp.filePath("pipe.json"); // opening it would block the window
        for (const auto& [path, data] :
             {std::pair{good, bytes}, {bad, QByteArray(bytes).replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 51")}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
        }
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        makePage();
        setDeadzoneTop(0, 6);
        m_chooserAnswers << bad << tmp.filePath("missing.json") << pipe << good;
        for (int i = 0; i < 3; ++i) {
            m_dialogs->then(QMessageBox::Ok);
            button("Import")->click();
        }
        const QString invalid = QStringLiteral("Import profile|") + invalidProfileMessage();
        QCOMPARE(m_dialogs->seen, (QStringList{invalid, invalid, "Import profile|Not a regular file: " + pipe}));
        QCOMPARE(combo()->count(), 11);

        button("Import")->click();
        QCOMPARE(combo()->count(), 12);
        QCOMPARE(combo()->currentData().toString(), pathOf("Track"));
        QVERIFY(m_page->isProfileDirty()); // import leaves the editor alone

        // Export writes the stored profile, not the editor; onto itself it leaves it in place.
        const QByteArray stored = readFile(pathOf("Track"));
        m_chooserAnswers << bad << pathOf("Track");
        button("Export")->click();
        button("Export")->click();
        QCOMPARE(readFile(bad), stored);
        QCOMPARE(readFile(pathOf("Track")), stored);
    }

    // Games… edits the bindings of the profile selected in the list: a game bound elsewhere
    // moves here and the dialog says from where; Remove takes the selected game.
    void gamesDialogBindsTheSelectedProfile()
    {
        makePage();
        select(QStringLiteral("F1 25"));
        QString note;
        m_dialogs->onOpen = [&note] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            const auto click = [dialog](const QString& text) {
                for (QPushButton* b : dialog->findChildren<QPushButton*>())
                    if (b->text() == text)
                        b->click();
            };
            auto* input = dialog->findChild<QComboBox*>();
            for (const char* exe : {"acs.exe", "C:\\Games\\F1_24.exe"}) {
                input->setEditText(QString::fromLatin1(exe));
                click(QStringLiteral("Add"));
                note += dialog->findChildren<QLabel*>().last()->text() + QLatin1Char('|');
            }
            auto* list = dialog->findChild<QListWidget*>();
            list->setCurrentRow(list->count() - 1);
            click(QStringLiteral("Remove"));
            dialog->reject();
        };
        button(QStringLiteral("Games…"))->click();
        QCOMPARE(GameBindings::executables(QStringLiteral("F1 25.json")),
                 (QStringList{QStringLiteral("F1_25.exe"), QStringLiteral("acs.exe")}));
        QVERIFY(GameBindings::executables(QStringLiteral("Assetto Corsa.json")).isEmpty());
        QCOMPARE(note,
                 QStringLiteral("acs.exe was bound to profile \"Assetto Corsa\"; it now switches the pedals to "
                                "this profile.||"));
    }

private:
    void makePage()
    {
        m_app = std::make_unique<Application>(Application::TransportFactory());
        m_window = std::make_unique<QWidget>();
        m_page = new PedalsPage(m_app.get(), m_window.get());
    }
    QComboBox* combo() const { return m_page->findChild<QComboBox*>(); }
    QPushButton* button(const QString& text) const
    {
        for (QPushButton* b :
             m_page->findChild<QFrame*>(QStringLiteral("curveProfilesBar"))->findChildren<QPushButton*>())
            if (b->text() == text)
                return b;
        return nullptr;
    }
    void select(const QString& name) { combo()->setCurrentIndex(combo()->findText(name)); }
    void setDeadzoneTop(int hostIndex, int value) { m_page->card(hostIndex)->findChild<QSpinBox*>()->setValue(value); }
    QString pathOf(const QString& base) const { return m_dir + QLatin1Char('/') + base + QStringLiteral(".json"); }
    int storedDeadTop(const QString& base, int pedal = 0) const // -1: unreadable
    {
        CurveProfile p;
        return CurveProfileJsonStore::loadProfile(pathOf(base), p, nullptr) ? p.pedals[size_t(pedal)].deadzoneTop : -1;
    }

    QString m_dir;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<QWidget> m_window;
    PedalsPage* m_page = nullptr;
    std::unique_ptr<DialogScript> m_dialogs;
    QStringList m_chooserAnswers;
};

QTEST_MAIN(TestProfileBar)
#include "tst_profilebar.moc"
