#include "ui/DevicePage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"

namespace {

constexpr int kEntryIdRole = Qt::UserRole;

QString shownAction(const QString& action)
{
    QString text = QCoreApplication::translate("Quilbex", action.toUtf8().constData());
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

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

    m_readProblemHint = new QLabel(card);
    m_readProblemHint->setObjectName(QStringLiteral("deviceReadProblemHint"));
    m_readProblemHint->setWordWrap(true);
    m_readProblemHint->setStyleSheet(QStringLiteral("color:#e74c3c; font-weight:600;"));
    m_readProblemHint->setVisible(false);
    cardLayout->addWidget(m_readProblemHint);

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

    // What the pedals held before each write, newest first; any entry can be written back.
    auto* historyCard = new QFrame(this);
    historyCard->setObjectName(QStringLiteral("placeholderCard"));
    auto* historyLayout = new QVBoxLayout(historyCard);
    historyLayout->setContentsMargins(16, 14, 16, 14);
    historyLayout->setSpacing(10);
    m_historyTitle = new QLabel(historyCard);
    historyLayout->addWidget(m_historyTitle);
    m_historyList = new QTreeWidget(historyCard);
    m_historyList->setObjectName(QStringLiteral("configHistoryList"));
    m_historyList->setColumnCount(2);
    m_historyList->setRootIsDecorated(false);
    m_historyList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_historyList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_historyList->setMinimumHeight(140);
    historyLayout->addWidget(m_historyList, 1);
    m_historyNote = new QLabel(historyCard);
    m_historyNote->setObjectName(QStringLiteral("configHistoryNote"));
    m_historyNote->setWordWrap(true);
    historyLayout->addWidget(m_historyNote);
    auto* historyButtons = new QHBoxLayout();
    m_restoreBtn = new QPushButton(historyCard);
    m_restoreBtn->setObjectName(QStringLiteral("restoreHistoryBtn"));
    connect(m_restoreBtn, &QPushButton::clicked, this, &DevicePage::onRestore);
    connect(m_historyList, &QTreeWidget::itemSelectionChanged, this, &DevicePage::refreshRestoreButton);
    historyButtons->addWidget(m_restoreBtn);
    historyButtons->addStretch();
    historyLayout->addLayout(historyButtons);
    layout->addWidget(historyCard, 1);

    retranslateUi();

    if (coordinator) {
        connect(coordinator, &SessionCoordinator::deviceConnectedChanged, this, &DevicePage::onConnectionChanged);
        connect(coordinator, &SessionCoordinator::devicePermissionProblem, this, &DevicePage::onPermissionProblem);
        onPermissionProblem(coordinator->hasPermissionProblem());
        connect(coordinator, &SessionCoordinator::configReadProblemChanged, m_readProblemHint, &QLabel::setVisible);
        m_readProblemHint->setVisible(coordinator->hasConfigReadProblem());
        connect(coordinator, &SessionCoordinator::writeAvailabilityChanged, this, &DevicePage::refreshRestoreButton);
        connect(coordinator, &SessionCoordinator::historyChanged, this, &DevicePage::refreshHistory);
        if (application->linkState)
            onConnectionChanged(application->linkState->connected);
    }
}

void DevicePage::refreshHistory()
{
    if (!m_historyList)
        return;
    const int selectedId =
        m_historyList->currentItem() ? m_historyList->currentItem()->data(0, kEntryIdRole).toInt() : 0;
    m_historyList->clear();
    QList<ConfigHistoryEntry> entries;
    QString error;
    const ConfigHistory* history = m_application ? m_application->history.get() : nullptr;
    if (history && !history->entries(&entries, &error))
        m_historyNote->setText(error);
    else if (entries.isEmpty())
        m_historyNote->setText(QCoreApplication::translate(
            "Quilbex", "Nothing kept yet. Before every write to the pedals, what they held is kept here."));
    m_historyNote->setVisible(entries.isEmpty());
    for (const ConfigHistoryEntry& e : std::as_const(entries)) {
        auto* item = new QTreeWidgetItem(m_historyList);
        item->setText(0, e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        item->setText(1, shownAction(e.action));
        item->setData(0, kEntryIdRole, e.id);
        if (e.id == selectedId)
            m_historyList->setCurrentItem(item);
    }
    refreshRestoreButton();
}

void DevicePage::refreshRestoreButton()
{
    if (!m_restoreBtn || !m_historyList)
        return;
    const SessionCoordinator* coordinator = m_application ? m_application->coordinator.get() : nullptr;
    const bool writable = coordinator && coordinator->canWrite();
    m_restoreBtn->setEnabled(writable && m_historyList->currentItem());
    m_restoreBtn->setToolTip(coordinator && !writable ? coordinator->writeBlockedReason() : QString());
}

void DevicePage::onRestore()
{
    SessionCoordinator* coordinator = m_application ? m_application->coordinator.get() : nullptr;
    QTreeWidgetItem* item = m_historyList ? m_historyList->currentItem() : nullptr;
    if (!coordinator || !item || !m_application->history)
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Restore configuration");
    QString error;
    const std::optional<ConfigHistoryEntry> entry =
        m_application->history->find(QString::number(item->data(0, kEntryIdRole).toInt()), &error);
    if (!entry) {
        QMessageBox::warning(this, title, error);
        return;
    }
    const QString question =
        QCoreApplication::translate("Quilbex",
                                    "Write the configuration the pedals held on %1 (before: %2) back to "
                                    "them? What they hold now is kept in the history first.")
            .arg(item->text(0), item->text(1));
    if (QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    DeviceConfigModel settings;
    ConfigBlock::decode(entry->block, &settings);
    // A refusal or failure is reported by the main window (writeFailed).
    coordinator->requestWriteSettings(settings, QString::fromLatin1(HistoryAction::kRestore));
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
    if (m_readProblemHint)
        m_readProblemHint->setText(SessionCoordinator::configReadProblemText());
    if (m_historyTitle)
        m_historyTitle->setText(
            QStringLiteral("<b>%1</b>").arg(QCoreApplication::translate("Quilbex", "Configuration history")));
    if (m_historyList)
        m_historyList->setHeaderLabels(
            {QCoreApplication::translate("Quilbex", "Time"), QCoreApplication::translate("Quilbex", "Kept before")});
    if (m_restoreBtn)
        m_restoreBtn->setText(QCoreApplication::translate("Quilbex", "Restore…"));
    if (m_permissionHint)
        m_permissionHint->setText(QCoreApplication::translate(
            "Quilbex",
            "The pedals were found, but this user may not open them (permission denied). Install the udev rule "
            "shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the "
            "pedals."));
    if (m_application && m_application->linkState)
        onConnectionChanged(m_application->linkState->connected);
    refreshHistory(); // the actions are shown translated
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
