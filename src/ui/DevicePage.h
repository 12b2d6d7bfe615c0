#pragma once

#include <QWidget>

class Application;
class QLabel;
class QPushButton;
class QTreeWidget;

// Page 0: connection state, device name, the USB ids looked for, Connect and Disconnect;
// the configuration history with Restore.
class DevicePage : public QWidget
{
    Q_OBJECT
public:
    DevicePage(Application* application, QWidget* parent = nullptr);

    void retranslateUi();
    // Re-reads the configuration history into the list.
    void refreshHistory();

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void onConnectionChanged(bool connected);

private:
    void onPermissionProblem(bool denied);
    void refreshRestoreButton();
    void onRestore();

    Application* m_application = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_statusCaption = nullptr;
    QLabel* m_statusValue = nullptr;
    QLabel* m_deviceCaption = nullptr;
    QLabel* m_deviceValue = nullptr;
    QLabel* m_vidPidCaption = nullptr;
    QLabel* m_vidPidValue = nullptr;
    QPushButton* m_connectBtn = nullptr;
    QPushButton* m_disconnectBtn = nullptr;
    QLabel* m_permissionHint = nullptr;
    QLabel* m_readProblemHint = nullptr;
    QLabel* m_historyTitle = nullptr;
    QTreeWidget* m_historyList = nullptr;
    QLabel* m_historyNote = nullptr;
    QPushButton* m_restoreBtn = nullptr;
};
