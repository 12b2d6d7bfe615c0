// The profile bar of the Pedals page: the stored profiles, their actions, and tracking
// whether the editor holds changes that the selected profile does not.
#include "ui/PedalsPage.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include "app/Application.h"
#include "app/FileSafety.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/GameBindings.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileMapping.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/FlowLayout.h"
#include "ui/PedalChannelCard.h"

namespace {

using Store = CurveProfileJsonStore;

QString profileFileFilter()
{
    return QCoreApplication::translate("Quilbex", "Quilbex Pedals profile (*.json);;All files (*)");
}

QString orFallback(const QString& error, const QString& fallback)
{
    return error.isEmpty() ? fallback : error;
}

// At least 94 px wide, and never narrower than its text: longer translations widen the
// bar (the page scrolls) instead of being cut off.
class ProfileBarButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    QSize minimumSizeHint() const override
    {
        const QSize hint = sizeHint();
        return QSize(qMax(94, hint.width()), qMax(28, QPushButton::minimumSizeHint().height()));
    }
};

QPushButton* makeProfileButton(QWidget* parent, const QString& iconName)
{
    auto* button = new ProfileBarButton(parent);
    button->setProperty("flat", true);
    button->setProperty("profileToolBarBtn", true);
    button->setIcon(QIcon(QStringLiteral(":/icons/profile/%1.svg").arg(iconName)));
    button->setIconSize(QSize(16, 16));
    button->setMinimumHeight(28);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    return button;
}

} // namespace

PedalsPage::ProfileFileChooser& PedalsPage::profileFileChooser()
{
    static ProfileFileChooser chooser = [](QWidget* parent, const QString& caption, const QString& presetPath,
                                           const QString& filter, bool save) {
        return save ? QFileDialog::getSaveFileName(parent, caption, presetPath, filter)
                    : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    };
    return chooser;
}

void PedalsPage::buildProfileBar(QFrame* bar)
{
    bar->setObjectName(QStringLiteral("curveProfilesBar"));
    // One row where the window is wide enough; otherwise the groups wrap onto more rows, so
    // every action stays in view without sideways scrolling.
    auto* layout = new FlowLayout(bar, 10, 8);
    layout->setContentsMargins(12, 8, 12, 8);
    auto group = [] {
        auto* box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(10);
        return box;
    };

    m_profilesTitle = new QLabel(bar);
    m_profilesTitle->setObjectName(QStringLiteral("curveProfilesTitle"));
    m_profilesTitle->setTextFormat(Qt::RichText);
    m_profilesTitle->setText(QStringLiteral("<b>%1</b>").arg(QCoreApplication::translate("Quilbex", "Profiles")));

    m_profileCombo = new QComboBox(bar);
    m_profileCombo->setMinimumWidth(220);

    m_newBtn = makeProfileButton(bar, QStringLiteral("new"));
    m_newBtn->setText(QCoreApplication::translate("Quilbex", "New"));
    m_deleteBtn = makeProfileButton(bar, QStringLiteral("delete"));
    m_deleteBtn->setText(QCoreApplication::translate("Quilbex", "Delete"));
    m_loadBtn = makeProfileButton(bar, QStringLiteral("load"));
    m_loadBtn->setText(QCoreApplication::translate("Quilbex", "Load"));
    m_saveBtn = makeProfileButton(bar, QStringLiteral("save"));
    m_saveBtn->setText(QCoreApplication::translate("Quilbex", "Save"));
    m_saveBtn->setObjectName(QStringLiteral("pedalsProfileSave"));
    m_importBtn = makeProfileButton(bar, QStringLiteral("import"));
    m_importBtn->setText(QCoreApplication::translate("Quilbex", "Import"));
    m_exportBtn = makeProfileButton(bar, QStringLiteral("export"));
    m_exportBtn->setText(QCoreApplication::translate("Quilbex", "Export"));
    m_gamesBtn = makeProfileButton(bar, QStringLiteral("games"));
    m_gamesBtn->setText(QCoreApplication::translate("Quilbex", "Games…"));

    QHBoxLayout* listGroup = group();
    listGroup->addWidget(m_profilesTitle);
    listGroup->addWidget(m_profileCombo);
    layout->addFlowLayout(listGroup);
    QHBoxLayout* editGroup = group();
    editGroup->addWidget(m_newBtn);
    editGroup->addWidget(m_deleteBtn);
    layout->addFlowLayout(editGroup);
    QHBoxLayout* storeGroup = group();
    storeGroup->addWidget(m_loadBtn);
    storeGroup->addWidget(m_saveBtn);
    layout->addFlowLayout(storeGroup, 16);
    QHBoxLayout* fileGroup = group();
    fileGroup->addWidget(m_importBtn);
    fileGroup->addWidget(m_exportBtn);
    layout->addFlowLayout(fileGroup, 16);
    QHBoxLayout* gamesGroup = group();
    gamesGroup->addWidget(m_gamesBtn);
    layout->addFlowLayout(gamesGroup, 16);

    m_connLed = new QLabel(bar);
    m_connLed->setObjectName(QStringLiteral("connLed"));
    m_connLed->setFixedSize(12, 12);
    m_connLed->setToolTip(QCoreApplication::translate("Quilbex", "Device connection status"));
    m_connLabel = new QLabel(bar);
    m_connLabel->setObjectName(QStringLiteral("connLabel"));
    QHBoxLayout* connGroup = group();
    connGroup->addWidget(m_connLed);
    connGroup->addWidget(m_connLabel);
    layout->addFlowLayout(connGroup, 0, Qt::AlignRight);

    // Renaming: double click (see eventFilter), the list's context menu, or F2 on the list.
    m_renameAction = new QAction(m_profileCombo);
    m_renameAction->setShortcut(QKeySequence(Qt::Key_F2));
    m_renameAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_renameAction, &QAction::triggered, this, [this] { onProfileRename(); });
    m_profileCombo->addAction(m_renameAction);
    m_profileCombo->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_comboClickTimer = new QTimer(this);
    m_comboClickTimer->setSingleShot(true);
    connect(m_comboClickTimer, &QTimer::timeout, this, [this] {
        if (m_profileCombo && m_profileCombo->isVisible() && m_profileCombo->isEnabled())
            m_profileCombo->showPopup();
    });

    connect(m_profileCombo, &QComboBox::activated, this, &PedalsPage::onProfileComboActivated);
    connect(m_profileCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_currentProfilePath = m_profileCombo->itemData(index).toString();
    });
    connect(m_newBtn, &QPushButton::clicked, this, &PedalsPage::onProfileNew);
    connect(m_deleteBtn, &QPushButton::clicked, this, &PedalsPage::onProfileDelete);
    connect(m_loadBtn, &QPushButton::clicked, this, &PedalsPage::onProfileLoad);
    connect(m_saveBtn, &QPushButton::clicked, this, &PedalsPage::onProfileSave);
    connect(m_importBtn, &QPushButton::clicked, this, &PedalsPage::onProfileImport);
    connect(m_exportBtn, &QPushButton::clicked, this, &PedalsPage::onProfileExport);
    connect(m_gamesBtn, &QPushButton::clicked, this, &PedalsPage::onProfileGames);
    m_profileCombo->installEventFilter(this);
}

void PedalsPage::onProfileComboActivated(int index)
{
    // Choosing an entry only selects it; Load brings its values into the editor.
    if (index >= 0 && m_profileCombo)
        m_currentProfilePath = m_profileCombo->itemData(index).toString();
}

QString PedalsPage::selectedProfilePath() const
{
    return m_profileCombo ? m_profileCombo->currentData().toString() : QString();
}

void PedalsPage::initProfiles()
{
    m_profilesDir = std::make_unique<QString>(Store::defaultProfilesDirectory());
    QString error;
    if (!Store::ensureDefaultProfiles(*m_profilesDir, &error)) {
        QMessageBox::warning(this, QCoreApplication::translate("Quilbex", "Profiles"),
                             orFallback(error, QCoreApplication::translate("Quilbex", "Unknown error")));
    }
    refreshProfileCombo();
    if (m_profileCombo) {
        const int index =
            m_profileCombo->findText(QStringLiteral("Default"), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            const QSignalBlocker blocker(m_profileCombo);
            m_profileCombo->setCurrentIndex(index);
        }
    }
    m_currentProfilePath = selectedProfilePath();
    m_profileDirty = false;
    updateDirtyUi();
}

void PedalsPage::refreshProfileCombo()
{
    if (!m_profilesDir || !m_profileCombo)
        return;
    const QString keep = m_currentProfilePath;
    {
        const QSignalBlocker blocker(m_profileCombo);
        m_profileCombo->clear();
        for (const ProfileEntry& entry : Store::listProfiles(*m_profilesDir))
            m_profileCombo->addItem(entry.displayName, entry.filePath);
        const int kept = keep.isEmpty() ? -1 : m_profileCombo->findData(keep);
        if (kept >= 0)
            m_profileCombo->setCurrentIndex(kept);
        else if (m_profileCombo->count() > 0)
            m_profileCombo->setCurrentIndex(0);
    }
    m_currentProfilePath = selectedProfilePath();
    const int count = m_profileCombo->count();
    if (m_deleteBtn)
        m_deleteBtn->setEnabled(count >= 2);
    if (m_loadBtn)
        m_loadBtn->setEnabled(count >= 1);
    if (m_exportBtn)
        m_exportBtn->setEnabled(count >= 1 && !selectedProfilePath().isEmpty());
    if (m_gamesBtn)
        m_gamesBtn->setEnabled(count >= 1 && !selectedProfilePath().isEmpty());
    updateDirtyUi();
}

void PedalsPage::selectProfileByPath(const QString& path)
{
    if (path.isEmpty() || !m_profileCombo)
        return;
    const int index = m_profileCombo->findData(path);
    if (index < 0)
        return;
    {
        const QSignalBlocker blocker(m_profileCombo);
        m_profileCombo->setCurrentIndex(index);
    }
    m_currentProfilePath = selectedProfilePath();
}

void PedalsPage::applyProfileToModel(const CurveProfile& profile)
{
    if (!m_application || !m_application->config)
        return;
    DeviceConfigModel* model = m_application->config.get();
    m_loadingProfile = true;
    ProfileMapping::applyProfileToConfig(profile, model);
    Q_EMIT model->configChanged();
    PedalChannelCard::hydrateAllFromConfig(model);
    // Every column differs from the device now, so each SAVE button is offered.
    PedalChannelCard::markAllDirty();
    for (size_t i = 0; i < 3; ++i) {
        if (m_previews[i])
            m_previews[i]->setPoints(model->curve[i]);
    }
    if (m_application->coordinator)
        m_application->coordinator->capturePedalSnapshot();
    m_loadingProfile = false;
}

CurveProfile PedalsPage::buildProfileFromModel(const QString& name)
{
    QString profileName = name.trimmed();
    if (profileName.isEmpty()) {
        if (m_profileCombo && m_profileCombo->currentIndex() >= 0)
            profileName = m_profileCombo->currentText().trimmed();
        else
            profileName = QStringLiteral("Unnamed");
    }
    if (!m_application || !m_application->config) {
        DeviceConfigModel empty;
        return ProfileMapping::profileFromConfig(empty, QString());
    }
    DeviceConfigModel* model = m_application->config.get();
    PedalChannelCard::applyAllCardsToModel(model);
    return ProfileMapping::profileFromConfig(*model, profileName);
}

bool PedalsPage::saveCurrentProfile(QString* error)
{
    if (!m_profilesDir)
        return false;
    const QString path = selectedProfilePath();
    if (path.isEmpty())
        return false;
    return Store::saveProfile(path, buildProfileFromModel(QString()), error);
}

QString PedalsPage::activeProfileName() const
{
    const int index = m_profileCombo ? m_profileCombo->findData(m_activeProfilePath) : -1;
    return index >= 0 ? m_profileCombo->itemText(index) : QFileInfo(m_activeProfilePath).completeBaseName();
}

// The edits belong to the profile they were made on, not to whichever entry is selected
// now (that is the one about to be loaded or deleted); before any profile was used they
// can only become a new one.
bool PedalsPage::confirmUnsavedChanges(const QString& title)
{
    if (!m_profileDirty)
        return true;
    const bool haveActive = !m_activeProfilePath.isEmpty();
    QMessageBox box(QMessageBox::Warning, title,
                    QCoreApplication::translate("Quilbex", "Profile has unsaved changes in the editor."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(
        haveActive ? QCoreApplication::translate("Quilbex",
                                                 "Save them to the profile \"%1\" they were made on, "
                                                 "discard them, or cancel.")
                         .arg(activeProfileName())
                   : QCoreApplication::translate("Quilbex", "Save them as a new profile, discard them, or cancel."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
    if (answer == QMessageBox::Discard)
        return true; // the action that asked decides what becomes of the dirty state
    if (answer != QMessageBox::Save)
        return false;
    if (!haveActive) {
        const QString selected = selectedProfilePath();
        if (!createProfileFromEditor())
            return false;
        selectProfileByPath(selected); // the action goes on with the entry the user chose
        return true;
    }
    QString error;
    if (!Store::saveProfile(m_activeProfilePath, buildProfileFromModel(activeProfileName()), &error)) {
        QMessageBox::critical(this, QCoreApplication::translate("Quilbex", "Save profile"),
                              orFallback(error, QCoreApplication::translate("Quilbex", "Save failed")));
        return false;
    }
    m_profileDirty = false;
    updateDirtyUi();
    return true;
}

void PedalsPage::updateDirtyUi()
{
    const QString path = selectedProfilePath();
    if (m_saveBtn) {
        m_saveBtn->setEnabled(m_profileCombo && m_profileCombo->count() > 0 && m_profileDirty && !path.isEmpty()
                              && m_profilesDir);
        m_saveBtn->setProperty("profileDirty", m_profileDirty);
        // The style sheet reads the property only when the widget is polished again.
        m_saveBtn->style()->unpolish(m_saveBtn);
        m_saveBtn->style()->polish(m_saveBtn);
    }
    if (QWidget* top = window()) {
        QString title = QCoreApplication::translate("Quilbex", "Quilbex Control");
        if (m_profileDirty)
            title += QStringLiteral(" *");
        top->setWindowTitle(title);
    }
}

void PedalsPage::markProfileDirty()
{
    if (!m_loadingProfile)
        m_profileDirty = true;
    updateDirtyUi();
}

void PedalsPage::clearProfileDirty()
{
    m_profileDirty = false;
    updateDirtyUi();
}

void PedalsPage::onProfileNew()
{
    createProfileFromEditor();
}

// Asks for a name and stores the editor's values as a new profile; false when canceled or
// failed (with a message).
bool PedalsPage::createProfileFromEditor()
{
    if (!m_profilesDir)
        return false;
    const QString title = QCoreApplication::translate("Quilbex", "New profile");
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, QCoreApplication::translate("Quilbex", "Profile name:"),
                                               QLineEdit::Normal, QStringLiteral("My profile"), &ok);
    if (!ok)
        return false;
    QString error;
    if (!Store::validateProfileName(name, &error)) {
        QMessageBox::warning(this, title, error);
        return false;
    }
    const QString trimmed = name.trimmed();
    const CurveProfile profile = buildProfileFromModel(trimmed);
    const QString file = *m_profilesDir + QLatin1Char('/') + Store::uniqueProfileBaseName(*m_profilesDir, trimmed)
        + QStringLiteral(".json");
    if (!Store::saveProfile(file, profile, &error)) {
        QMessageBox::critical(this, title, orFallback(error, QCoreApplication::translate("Quilbex", "Save failed")));
        return false;
    }
    refreshProfileCombo();
    selectProfileByPath(file);
    m_activeProfilePath = file;
    clearProfileDirty();
    return true;
}

void PedalsPage::onProfileSave()
{
    QString error;
    if (!saveCurrentProfile(&error)) {
        QMessageBox::critical(this, QCoreApplication::translate("Quilbex", "Save profile"),
                              orFallback(error, QCoreApplication::translate("Quilbex", "Save failed")));
        return;
    }
    const QString path = selectedProfilePath();
    m_activeProfilePath = path;
    clearProfileDirty();
    refreshProfileCombo();
    selectProfileByPath(path);
}

void PedalsPage::onProfileLoad()
{
    if (!m_profilesDir)
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Load profile");
    if (!confirmUnsavedChanges(title))
        return;
    const QString path = selectedProfilePath();
    if (path.isEmpty())
        return;
    CurveProfile profile;
    QString error;
    if (!Store::loadProfile(path, profile, &error)) {
        QMessageBox::critical(this, title, orFallback(error, QCoreApplication::translate("Quilbex", "Load failed")));
        return;
    }
    applyProfileToModel(profile);
    m_currentProfilePath = path;
    m_activeProfilePath = path;
    clearProfileDirty();
}

void PedalsPage::onProfileDelete()
{
    if (!m_profilesDir || !m_profileCombo)
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Delete profile");
    if (Store::listProfiles(*m_profilesDir).size() < 2) {
        QMessageBox::information(this, title,
                                 QCoreApplication::translate("Quilbex", "At least one profile must remain."));
        return;
    }
    if (!confirmUnsavedChanges(title))
        return;
    const QString path = selectedProfilePath();
    if (path.isEmpty())
        return;
    const QString question =
        QCoreApplication::translate("Quilbex", "Permanently delete profile \"%1\"?").arg(m_profileCombo->currentText());
    if (QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QString error;
    if (!Store::deleteProfile(path, &error)) {
        QMessageBox::critical(this, title, orFallback(error, QCoreApplication::translate("Quilbex", "Delete failed")));
        return;
    }
    GameBindings::removeProfile(QFileInfo(path).fileName());
    if (path == m_activeProfilePath)
        m_activeProfilePath.clear();
    refreshProfileCombo();
    clearProfileDirty();
}

void PedalsPage::onProfileRename()
{
    if (!m_profilesDir || !m_profileCombo)
        return;
    const QString path = selectedProfilePath();
    if (path.isEmpty())
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Rename profile");
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, QCoreApplication::translate("Quilbex", "New name:"),
                                               QLineEdit::Normal, m_profileCombo->currentText(), &ok);
    if (!ok)
        return;
    QString error;
    if (!Store::validateProfileName(name, &error)) {
        QMessageBox::warning(this, title, error);
        return;
    }
    QString newPath;
    if (!Store::renameProfile(*m_profilesDir, path, name, &newPath, &error)) {
        QMessageBox::warning(this, title, orFallback(error, QCoreApplication::translate("Quilbex", "Rename failed")));
        return;
    }
    if (!newPath.isEmpty())
        GameBindings::renameProfile(QFileInfo(path).fileName(), QFileInfo(newPath).fileName());
    if (path == m_activeProfilePath && !newPath.isEmpty())
        m_activeProfilePath = newPath;
    refreshProfileCombo();
    selectProfileByPath(newPath.isEmpty() ? path : newPath);
}

void PedalsPage::onProfileImport()
{
    if (!m_profilesDir)
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Import profile");
    const QString file = profileFileChooser()(this, title, QString(), profileFileFilter(), false);
    if (file.isEmpty())
        return;
    QByteArray bytes;
    const FileSafety::Status status = FileSafety::readWhole(file, FileSafety::kMaxProfileFileBytes, &bytes);
    // A FIFO would block the window and a device never ends: those, and huge files, are
    // refused unread, saying why.
    if (status == FileSafety::Status::NotRegular || status == FileSafety::Status::TooLarge) {
        QMessageBox::critical(this, title, FileSafety::message(status, file));
        return;
    }
    QString newPath;
    // The parser's detail means nothing to the user here; any rejection is "not a profile".
    if (status != FileSafety::Status::Ok || !Store::importProfile(*m_profilesDir, bytes, &newPath, nullptr)) {
        QMessageBox::critical(this, title, invalidProfileMessage());
        return;
    }
    m_activeProfilePath = newPath;
    refreshProfileCombo();
    selectProfileByPath(newPath);
}

void PedalsPage::onProfileExport()
{
    if (!m_profilesDir)
        return;
    const QString path = selectedProfilePath();
    if (path.isEmpty() || !QFile::exists(path))
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Export profile");
    const QString target = profileFileChooser()(
        this, title, QFileInfo(path).completeBaseName() + QStringLiteral(".json"), profileFileFilter(), true);
    if (target.isEmpty())
        return;
    // Exporting a profile onto its own file: removing the target first would delete the
    // profile itself. The file already holds exactly what an export would write.
    const QString source = QFileInfo(path).canonicalFilePath();
    if (!source.isEmpty() && QFileInfo(target).canonicalFilePath() == source)
        return;
    if (QFile::exists(target) && !QFile::remove(target)) {
        QMessageBox::critical(this, title, QCoreApplication::translate("Quilbex", "Cannot overwrite target file."));
        return;
    }
    if (!QFile::copy(path, target))
        QMessageBox::critical(this, title, QCoreApplication::translate("Quilbex", "Export failed."));
}
