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

DevicePage::DevicePage(Application* application, QWidget* parent) : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageDevice"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("pageTitle"));
    layout->addWidget(m_titleLabel);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("placeholderCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(16, 14, 16, 14);
    cardLayout->setSpacing(10);

    auto* grid = new QGridLayout();
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    m_statusCaption = new QLabel(card);
    m_statusValue = new QLabel(card);
    m_statusValue->setStyleSheet(QStringLiteral("color:#9e9e9e;"));
    m_deviceCaption = new QLabel(card);
    m_deviceValue = new QLabel(QStringLiteral("—"), card);
    m_vidPidCaption = new QLabel(card);
    m_vidPidValue = new QLabel(QStringLiteral("7864 / 5801"), card);
    grid->addWidget(m_statusCaption, 0, 0);
    grid->addWidget(m_statusValue, 0, 1);
    grid->addWidget(m_deviceCaption, 1, 0);
    grid->addWidget(m_deviceValue, 1, 1);
    grid->addWidget(m_vidPidCaption, 2, 0);
    grid->addWidget(m_vidPidValue, 2, 1);
    cardLayout->addLayout(grid);

    m_permissionHint = new QLabel(card);
    m_permissionHint->setObjectName(QStringLiteral("devicePermissionHint"));
    m_permissionHint->setWordWrap(true);
    m_permissionHint->setStyleSheet(QStringLiteral("color:#f39c12;"));
    m_permissionHint->setVisible(false);
    cardLayout->addWidget(m_permissionHint);

    SessionCoordinator* coordinator = application ? application->coordinator.get() : nullptr;

    auto* buttons = new QHBoxLayout();
    m_connectBtn = new QPushButton(card);
    m_disconnectBtn = new QPushButton(card);
    m_disconnectBtn->setProperty("flat", true);
    if (coordinator) {
        connect(m_connectBtn, &QPushButton::clicked, coordinator, &SessionCoordinator::requestConnect);
        connect(m_disconnectBtn, &QPushButton::clicked, coordinator, &SessionCoordinator::requestDisconnect);
    }
    buttons->addWidget(m_connectBtn);
    buttons->addWidget(m_disconnectBtn);
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
    if (m_titleLabel)
        m_titleLabel->setText(QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Device")));
    if (m_statusCaption)
        m_statusCaption->setText(QCoreApplication::translate("Quilbex", "Status"));
    if (m_deviceCaption)
        m_deviceCaption->setText(QCoreApplication::translate("Quilbex", "Device"));
    if (m_vidPidCaption)
        m_vidPidCaption->setText(QCoreApplication::translate("Quilbex", "VID / PID"));
    if (m_connectBtn)
        m_connectBtn->setText(QCoreApplication::translate("Quilbex", "Connect"));
    if (m_disconnectBtn)
        m_disconnectBtn->setText(QCoreApplication::translate("Quilbex", "Disconnect"));
    if (m_permissionHint)
        m_permissionHint->setText(QCoreApplication::translate(
            "Quilbex",
            "The pedals were found, but this user may not open them (permission denied). Install the udev rule "
            "shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the "
            "pedals."));
    if (m_application && m_application->linkState)
        onConnectionChanged(m_application->linkState->connected);
}

void DevicePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void DevicePage::onConnectionChanged(bool connected)
{
    if (m_statusValue) {
        m_statusValue->setText(connected ? QCoreApplication::translate("Quilbex", "Connected")
                                         : QCoreApplication::translate("Quilbex", "Disconnected"));
        m_statusValue->setStyleSheet(connected ? QStringLiteral("color:#27ae60; font-weight:600;")
                                               : QStringLiteral("color:#9e9e9e;"));
    }
    if (m_deviceValue)
        m_deviceValue->setText(connected ? QCoreApplication::translate("Quilbex", "Quilbex Pedals")
                                         : QStringLiteral("—"));
    if (m_connectBtn)
        m_connectBtn->setEnabled(!connected);
}

void DevicePage::onPermissionProblem(bool denied)
{
    if (m_permissionHint)
        m_permissionHint->setVisible(denied);
}
