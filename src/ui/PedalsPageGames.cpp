// Game-aware profiles on the Pedals page: carrying out the switcher's profile switches, and
// the dialog that binds the selected profile to game executables.
#include "ui/PedalsPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/GameBindings.h"
#include "ui/PedalChannelCard.h"

void PedalsPage::showStatus(const QString& text)
{
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(text);
}

void PedalsPage::applyGameSwitch(const GameSwitch& change)
{
    // A new run of games: whatever the pedals hold when it is carried out is what to return to.
    if (change.fromBaseline)
        m_beforeGames.reset();
    m_pendingSwitch = std::make_unique<GameSwitch>(change);
    applyPendingGameSwitch();
}

void PedalsPage::applyPendingGameSwitch()
{
    SessionCoordinator* coordinator = m_application ? m_application->coordinator.get() : nullptr;
    if (!m_pendingSwitch || !coordinator || !m_application->config || !m_profilesDir)
        return;
    const GameSwitch change = *m_pendingSwitch;
    const bool restoring = change.profileFile.isEmpty();
    if (restoring && !m_beforeGames) {
        m_pendingSwitch.reset(); // nothing was switched in this run, so nothing comes back
        return;
    }
    if (m_profileDirty) {
        m_pendingSwitch.reset();
        showStatus(
            change.gameEnded
                ? QCoreApplication::translate(
                      "Quilbex", "%1 ended, but the editor holds unsaved changes: the profile was not switched.")
                      .arg(change.exe)
                : QCoreApplication::translate(
                      "Quilbex", "%1 started, but the editor holds unsaved changes: the profile was not switched.")
                      .arg(change.exe));
        return;
    }

    CurveProfile profile;
    QString path = m_beforeGamesPath;
    QString name;
    if (!restoring) {
        path = *m_profilesDir + QLatin1Char('/') + change.profileFile;
        QString error;
        if (!CurveProfileJsonStore::loadProfile(path, profile, &error)) {
            m_pendingSwitch.reset();
            showStatus(QCoreApplication::translate("Quilbex", "%1: the profile file %2 could not be loaded: %3")
                           .arg(change.exe, change.profileFile, error));
            return;
        }
        name = profile.profileName.isEmpty() ? QFileInfo(path).completeBaseName() : profile.profileName;
    }
    if (!coordinator->canWrite()) {
        // Not connected, settings not read yet, or restarting after a write: applied once
        // the pedals can take it (writeAvailabilityChanged), unless a newer switch comes first.
        if (!change.gameEnded)
            showStatus(QCoreApplication::translate(
                           "Quilbex", "%1 started: profile \"%2\" will be applied when the pedals are ready.")
                           .arg(change.exe, name));
        return;
    }
    m_pendingSwitch.reset();

    DeviceConfigModel current;
    current.copyFrom(*coordinator->confirmedConfig());
    if (!restoring && !m_beforeGames) {
        m_beforeGames = std::make_unique<DeviceConfigModel>();
        m_beforeGames->copyFrom(current);
        m_beforeGamesPath = selectedProfilePath();
        m_beforeGamesActivePath = m_activeProfilePath;
    }

    // Into the editor as Load would, then through the columns as any write goes, so that
    // the comparison sees exactly what would be written.
    DeviceConfigModel* model = m_application->config.get();
    m_loadingProfile = true;
    GameSwitcher::buildTarget(current, restoring ? nullptr : &profile, m_beforeGames.get(), model);
    PedalChannelCard::hydrateAllFromConfig(model);
    PedalChannelCard::applyAllCardsToModel(model); // emits configChanged: the charts follow
    coordinator->capturePedalSnapshot();
    m_loadingProfile = false;
    selectProfileByPath(path);
    // The editor now holds this profile's values: later edits belong to it.
    m_activeProfilePath = restoring ? m_beforeGamesActivePath : path;
    clearProfileDirty();
    if (restoring)
        m_beforeGames.reset();

    if (model->sameSettings(current)) {
        PedalCardLayer::clearAllDirty();
        showStatus(restoring ? QCoreApplication::translate(
                                   "Quilbex", "%1 ended: the pedals already hold the settings from before the game.")
                                   .arg(change.exe)
                       : change.gameEnded
                       ? QCoreApplication::translate("Quilbex", "%1 ended: the pedals already hold profile \"%2\".")
                             .arg(change.exe, name)
                       : QCoreApplication::translate("Quilbex", "%1 started: the pedals already hold profile \"%2\".")
                             .arg(change.exe, name));
        return;
    }
    // Offered for SAVE again should the write fail; the editor itself stays clean.
    m_loadingProfile = true;
    PedalChannelCard::markAllDirty();
    m_loadingProfile = false;
    coordinator->requestWriteConfigFor(QString::fromLatin1(HistoryAction::kGameSwitch));
    // A successful write leaves nothing confirmed until the pedals are read again.
    if (coordinator->hasConfirmedConfig()) {
        showStatus(QCoreApplication::translate(
                       "Quilbex", "%1: the profile could not be written; the pedals keep their current settings.")
                       .arg(change.exe));
        return;
    }
    showStatus(
        restoring ? QCoreApplication::translate("Quilbex", "%1 ended: the settings from before the game were restored.")
                        .arg(change.exe)
            : change.gameEnded
            ? QCoreApplication::translate("Quilbex", "%1 ended: profile \"%2\" applied to the pedals.")
                  .arg(change.exe, name)
            : QCoreApplication::translate("Quilbex", "%1 started: profile \"%2\" applied to the pedals.")
                  .arg(change.exe, name));
}

void PedalsPage::onProfileGames()
{
    const QString path = selectedProfilePath();
    if (path.isEmpty() || !m_profileCombo)
        return;
    const QString file = QFileInfo(path).fileName();
    GameWatcher* watcher = m_application ? m_application->gameWatcher.get() : nullptr;

    QDialog dialog(this);
    dialog.setWindowTitle(
        QCoreApplication::translate("Quilbex", "Games for profile \"%1\"").arg(m_profileCombo->currentText()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* intro = new QLabel(
        QCoreApplication::translate("Quilbex", "These games switch the pedals to this profile when they start:"),
        &dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* list = new QListWidget(&dialog);
    layout->addWidget(list);
    auto* row = new QHBoxLayout;
    // A name typed in, or one of the programs running now.
    auto* input = new QComboBox(&dialog);
    input->setEditable(true);
    input->setMinimumWidth(260);
    input->setInsertPolicy(QComboBox::NoInsert);
    if (watcher) {
        if (!watcher->isActive())
            watcher->scanNow();
        input->addItems(watcher->runningExecutables());
    }
    input->setCurrentIndex(-1);
    input->lineEdit()->setPlaceholderText(
        QCoreApplication::translate("Quilbex", "Type an executable name or pick a running program"));
    row->addWidget(input, 1);
    auto* addBtn = new QPushButton(QCoreApplication::translate("Quilbex", "Add"), &dialog);
    auto* removeBtn = new QPushButton(QCoreApplication::translate("Quilbex", "Remove"), &dialog);
    row->addWidget(addBtn);
    row->addWidget(removeBtn);
    layout->addLayout(row);
    auto* note = new QLabel(&dialog);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const auto refresh = [list, removeBtn, file] {
        list->clear();
        list->addItems(GameBindings::executables(file));
        removeBtn->setEnabled(list->count() > 0);
    };
    refresh();
    connect(addBtn, &QPushButton::clicked, &dialog, [=] {
        QString error;
        QString previous;
        if (!GameBindings::bind(file, input->currentText(), &previous, &error)) {
            note->setText(error);
            return;
        }
        note->setText(
            previous.isEmpty()
                ? QString()
                : QCoreApplication::translate(
                      "Quilbex", "%1 was bound to profile \"%2\"; it now switches the pedals to this profile.")
                      .arg(GameBindings::cleanExecutableName(input->currentText(), nullptr),
                           QFileInfo(previous).completeBaseName()));
        input->setCurrentIndex(-1);
        input->clearEditText();
        refresh();
    });
    connect(removeBtn, &QPushButton::clicked, &dialog, [=] {
        if (QListWidgetItem* item = list->currentItem() ? list->currentItem() : list->item(0))
            GameBindings::unbind(file, item->text());
        note->clear();
        refresh();
    });
    dialog.exec();
    if (m_application && m_application->gameSwitcher)
        m_application->gameSwitcher->refreshBindings();
}
