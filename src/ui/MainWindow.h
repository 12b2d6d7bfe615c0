#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <array>

class Application;
class DevicePage;
class PedalsPage;
class QFrame;
class QLabel;
class QListWidget;
class QStackedWidget;
class SettingsPage;
class TracePage;
class UpdatePage;

// The one top-level window: navigation side bar, page stack, status bar. Guards a running
// firmware update against leaving the Update page and against closing.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kDeviceRow = 0;
    static constexpr int kUpdateRow = 3;
    static constexpr int kSettingsRow = 4;
    static constexpr int kPageCount = 5;

    explicit MainWindow(Application* application, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void retranslateUi();
    void onNavRowChanged(int row);
    // A Yes/No question about the running firmware update; NoButton when the update ended
    // while it was open (the question closes by itself then).
    QMessageBox::StandardButton askWhileUpdateRuns(const QString& text, QMessageBox::StandardButton defaultButton);
    void keepUpdateRowSelected();
    void ensurePage(int row);
    void showPage(int row);
    void applyDarkTitleBar();
    bool updateBusy() const;

    Application* m_application = nullptr;
    QFrame* m_navFrame = nullptr;
    QListWidget* m_navList = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_readProblemLabel = nullptr;
    DevicePage* m_devicePage = nullptr;
    PedalsPage* m_pedalsPage = nullptr;
    TracePage* m_tracePage = nullptr;
    UpdatePage* m_updatePage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    std::array<QString, kPageCount> m_navIcons;
};
