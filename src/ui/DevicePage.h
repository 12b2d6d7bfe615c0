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

    Application* application = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* statusCaption = nullptr;
    QLabel* statusValue = nullptr;
    QLabel* deviceCaption = nullptr;
    QLabel* deviceValue = nullptr;
    QLabel* vidPidCaption = nullptr;
    QLabel* vidPidValue = nullptr;
    QPushButton* connectBtn = nullptr;
    QPushButton* disconnectBtn = nullptr;
    QLabel* permissionHint = nullptr;
};
