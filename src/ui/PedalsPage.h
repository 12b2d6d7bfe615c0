#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "coordination/DeviceConfigModel.h"

class Application;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class PedalChannelCard;
class CurvePreviewWidget;
struct CurveProfile;
struct GameSwitch;

// Page 1: the three pedal columns with their charts and live data, and the profile bar.
// The columns and live data are in PedalsPage.cpp, the profile bar in PedalsPageProfiles.cpp.
class PedalsPage : public QWidget
{
    Q_OBJECT
public:
    PedalsPage(Application* application, QWidget* parent = nullptr);
    ~PedalsPage() override;

    void retranslateUi();

    // For tests and benchmarks.
    PedalChannelCard* card(int hostIndex) const;
    CurvePreviewWidget* preview(int hostIndex) const;
    bool isProfileDirty() const { return m_profileDirty; }
    // The profile the editor's values belong to: the one last loaded, saved, created or
    // imported; empty before any.
    QString activeProfilePath() const { return m_activeProfilePath; }

    // With unsaved profile edits asks Save / Discard / Cancel (title: the action's name);
    // false when the action must not go on. True at once without unsaved edits.
    bool confirmUnsavedChanges(const QString& title);

    // Asks for the file to import (save false) or the export target (save true); shows a
    // QFileDialog unless replaced (tests answer it without a dialog).
    using ProfileFileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& presetPath,
                                                     const QString& filter, bool save)>;
    static ProfileFileChooser& profileFileChooser();

    // A game's profile switch: the profile goes into the editor (as Load does) and to the
    // pedals (one whole-configuration write, none when they already hold it). Nothing is
    // switched while the editor holds unsaved changes; a switch waits while nothing may be
    // written. The status bar tells what happened.
    void applyGameSwitch(const GameSwitch& change);

private Q_SLOTS:
    void setConnectionStatus(bool connected);
    void onRuntimeDataChanged();
    void refreshCurvePreviews();
    void onProfileNew();
    void onProfileDelete();
    void onProfileLoad();
    void onProfileSave();
    void onProfileImport();
    void onProfileExport();
    void onProfileComboActivated(int index);
    void onProfileGames();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildProfileBar(QFrame* bar);
    QFrame* buildCurvePreviewCard(int hostIndex, QWidget* parentCard);
    void onChartEdited(int hostIndex, const CurvePoints& points);
    void initProfiles();
    void refreshProfileCombo();
    void selectProfileByPath(const QString& path);
    void applyProfileToModel(const CurveProfile& profile);
    CurveProfile buildProfileFromModel(const QString& name);
    bool saveCurrentProfile(QString* error);
    bool createProfileFromEditor();
    QString activeProfileName() const;
    void updateDirtyUi();
    void markProfileDirty();
    void clearProfileDirty();
    void onProfileRename();
    QString selectedProfilePath() const;
    void applyPendingGameSwitch();
    void showStatus(const QString& text);

    Application* m_application = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    std::array<PedalChannelCard*, 3> m_cards{};
    QLabel* m_profilesTitle = nullptr;
    QLabel* m_connLed = nullptr;
    QLabel* m_connLabel = nullptr;
    std::array<QLabel*, 3> m_previewTitles{};
    std::array<CurvePreviewWidget*, 3> m_previews{};
    std::unique_ptr<QString> m_profilesDir;
    QComboBox* m_profileCombo = nullptr;
    QPushButton* m_newBtn = nullptr;
    QPushButton* m_deleteBtn = nullptr;
    QPushButton* m_loadBtn = nullptr;
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_importBtn = nullptr;
    QPushButton* m_exportBtn = nullptr;
    QAction* m_renameAction = nullptr;
    // A press on the list's text waits this long for a second one (a double click renames)
    // before it opens the list.
    QTimer* m_comboClickTimer = nullptr;
    bool m_comboPressHeld = false;
    QPushButton* m_gamesBtn = nullptr;
    bool m_loadingProfile = false;
    bool m_profileDirty = false;
    QString m_currentProfilePath;
    std::unique_ptr<GameSwitch> m_pendingSwitch;
    // What the pedals held before the first game's profile, and the profile selected then.
    std::unique_ptr<DeviceConfigModel> m_beforeGames;
    QString m_beforeGamesPath;
    QString m_beforeGamesActivePath;
    QString m_activeProfilePath;
};
