#include "ui/DevicePage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"

DevicePage::DevicePage(Application* application, QWidget* parent)
    : QWidget(parent), application(application)
{
    setObjectName(QStringLiteral("pageDevice"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);

    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("pageTitle"));
    layout->addWidget(titleLabel);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("placeholderCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(16, 14, 16, 14);
    cardLayout->setSpacing(10);

    auto* grid = new QGridLayout();
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    statusCaption = new QLabel(card);
    statusValue = new QLabel(card);
    statusValue->setStyleSheet(QStringLiteral("color:#9e9e9e;"));
    deviceCaption = new QLabel(card);
    deviceValue = new QLabel(QStringLiteral("—"), card);
    vidPidCaption = new QLabel(card);
    vidPidValue = new QLabel(QStringLiteral("7864 / 5801"), card);
    grid->addWidget(statusCaption, 0, 0);
    grid->addWidget(statusValue, 0, 1);
    grid->addWidget(deviceCaption, 1, 0);
    grid->addWidget(deviceValue, 1, 1);
    grid->addWidget(vidPidCaption, 2, 0);
    grid->addWidget(vidPidValue, 2, 1);
    cardLayout->addLayout(grid);

    permissionHint = new QLabel(card);
    permissionHint->setObjectName(QStringLiteral("devicePermissionHint"));
    permissionHint->setWordWrap(true);
    permissionHint->setStyleSheet(QStringLiteral("color:#f39c12;"));
    permissionHint->setVisible(false);
    cardLayout->addWidget(permissionHint);

    SessionCoordinator* coordinator = application ? application->coordinator.get() : nullptr;

    auto* buttons = new QHBoxLayout();
    connectBtn = new QPushButton(card);
    disconnectBtn = new QPushButton(card);
    disconnectBtn->setProperty("flat", true);
    if (coordinator) {
        connect(connectBtn, &QPushButton::clicked, coordinator, &SessionCoordinator::requestConnect);
        connect(disconnectBtn, &QPushButton::clicked, coordinator, &SessionCoordinator::requestDisconnect);
    }
    buttons->addWidget(connectBtn);
    buttons->addWidget(disconnectBtn);
    buttons->addStretch();
    cardLayout->addLayout(buttons);

    layout->addWidget(card);
    layout->addStretch();

    retranslateUi();

    if (coordinator) {
        connect(coordinator, &SessionCoordinator::deviceConnectedChanged, this, &DevicePage::onConnectionChanged);
        connect(coordinator, &SessionCoordinator::devicePermissionProblem, this, &DevicePage::onPermissionProblem);
        onPermissionProblem(coordinator->hasPermissionProblem());
        if (application->linkState)
            onConnectionChanged(application->linkState->connected);
    }
}

void DevicePage::retranslateUi()
{
    if (titleLabel)
        titleLabel->setText(QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Device")));
    if (statusCaption)
        statusCaption->setText(QCoreApplication::translate("Quilbex", "Status"));
    if (deviceCaption)
        deviceCaption->setText(QCoreApplication::translate("Quilbex", "Device"));
    if (vidPidCaption)
        vidPidCaption->setText(QCoreApplication::translate("Quilbex", "VID / PID"));
    if (connectBtn)
        connectBtn->setText(QCoreApplication::translate("Quilbex", "Connect"));
    if (disconnectBtn)
        disconnectBtn->setText(QCoreApplication::translate("Quilbex", "Disconnect"));
    if (permissionHint)
        permissionHint->setText(QCoreApplication::translate(
            "Quilbex",
            "The pedals were found, but this user may not open them (permission denied). Install the udev rule "
            "shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the "
            "pedals."));
    if (application && application->linkState)
        onConnectionChanged(application->linkState->connected);
}

void DevicePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void DevicePage::onConnectionChanged(bool connected)
{
    if (statusValue) {
        statusValue->setText(connected ? QCoreApplication::translate("Quilbex", "Connected")
                                       : QCoreApplication::translate("Quilbex", "Disconnected"));
        statusValue->setStyleSheet(connected ? QStringLiteral("color:#27ae60; font-weight:600;")
                                             : QStringLiteral("color:#9e9e9e;"));
    }
    if (deviceValue)
        deviceValue->setText(connected ? QCoreApplication::translate("Quilbex", "Quilbex Pedals")
                                       : QStringLiteral("—"));
    if (connectBtn)
        connectBtn->setEnabled(!connected);
}

void DevicePage::onPermissionProblem(bool denied)
{
    if (permissionHint)
        permissionHint->setVisible(denied);
}
