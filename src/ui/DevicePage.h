#pragma once

#include <QWidget>

class Application;
class QLabel;
class QPushButton;

// Page 0: connection state, device name, the USB ids looked for, Connect and Disconnect.
class DevicePage : public QWidget
{
    Q_OBJECT
public:
    DevicePage(Application* application, QWidget* parent = nullptr);

    void retranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void onConnectionChanged(bool connected);

private:
    void onPermissionProblem(bool denied);

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
};
