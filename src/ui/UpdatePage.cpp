#include "ui/UpdatePage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "firmware/FirmwareFile.h"
#include "firmware/FirmwareUpdateManager.h"

namespace {

// Key label and word-wrapped value label side by side.
QLabel* addRow(QWidget* parent, QVBoxLayout* layout, QLabel** key)
{
    auto* row = new QHBoxLayout();
    *key = new QLabel(parent);
    (*key)->setMinimumWidth(160);
    auto* value = new QLabel(QStringLiteral("—"), parent);
    value->setWordWrap(true);
    row->addWidget(*key);
    row->addWidget(value, 1);
    layout->addLayout(row);
    return value;
}

// Lines carry file paths and device texts: add them as plain text so that nothing in them is
// taken for markup.
void appendPlain(QTextEdit* log, const QString& text)
{
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    if (!log->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    log->moveCursor(QTextCursor::End);
    log->ensureCursorVisible();
}

} // namespace

UpdatePage::UpdatePage(Application* application, QWidget* parent) : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageUpdate"));

    m_manager = new FirmwareUpdateManager(application, this);
    connect(m_manager, &FirmwareUpdateManager::logLine, this, &UpdatePage::onLogLine);
    connect(m_manager, &FirmwareUpdateManager::progressChanged, this, &UpdatePage::onProgress);
    connect(m_manager, &FirmwareUpdateManager::finished, this, &UpdatePage::onFinished);
    if (SessionCoordinator* coordinator = application ? application->coordinator.get() : nullptr) {
        connect(coordinator, &SessionCoordinator::deviceConnectedChanged, this, &UpdatePage::onDeviceConnected);
        connect(coordinator, &SessionCoordinator::upgradeBusyChanged, this, &UpdatePage::onUpgradeBusyChanged);
    }
    if (DeviceConfigModel* config = application ? application->config.get() : nullptr)
        connect(config, &DeviceConfigModel::configChanged, this, &UpdatePage::onConfigChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("pageTitle"));
    layout->addWidget(m_titleLabel);

    m_hintLabel = new QLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("pageHint"));
    m_hintLabel->setWordWrap(true);
    layout->addWidget(m_hintLabel);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("placeholderCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(16, 14, 16, 14);
    cardLayout->setSpacing(10);

    m_deviceVersionValue = addRow(card, cardLayout, &m_deviceVersionKey);
    m_fileValue = addRow(card, cardLayout, &m_fileKey);
    m_fileVersionValue = addRow(card, cardLayout, &m_fileVersionKey);
    m_statusValue = addRow(card, cardLayout, &m_statusKey);

    m_progress = new QProgressBar(card);
    m_progress->setObjectName(QStringLiteral("updateProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%p%"));
    cardLayout->addWidget(m_progress);

    m_phaseLabel = new QLabel(card);
    m_phaseLabel->setObjectName(QStringLiteral("updatePhase"));
    cardLayout->addWidget(m_phaseLabel);

    m_log = new QTextEdit(card);
    m_log->setReadOnly(true);
    m_log->setAcceptRichText(true);
    m_log->setMinimumHeight(140);
    cardLayout->addWidget(m_log);

    auto* buttons = new QHBoxLayout();
    m_chooseBtn = new QPushButton(card);
    m_startBtn = new QPushButton(card);
    m_cancelBtn = new QPushButton(card);
    m_cancelBtn->setEnabled(false);
    buttons->addWidget(m_chooseBtn);
    buttons->addWidget(m_startBtn);
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    cardLayout->addLayout(buttons);
    connect(m_chooseBtn, &QPushButton::clicked, this, &UpdatePage::onChooseBin);
    connect(m_startBtn, &QPushButton::clicked, this, &UpdatePage::onStartUpdate);
    connect(m_cancelBtn, &QPushButton::clicked, this, &UpdatePage::onCancelUpdate);

    layout->addWidget(card);
    layout->addStretch();

    retranslateUi();
    updateButtons();
    refreshDeviceVersion();
    refreshComparison();
}

void UpdatePage::retranslateUi()
{
    m_titleLabel->setText(QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Firmware update")));
    m_hintLabel->setText(QCoreApplication::translate(
        "Quilbex",
        "Select a firmware file, check the version information below, and start the update when you are ready. "
        "If the file name includes a version such as 2.0.7, we show it here for quick comparison."));
    m_deviceVersionKey->setText(QCoreApplication::translate("Quilbex", "Current firmware:"));
    m_fileKey->setText(QCoreApplication::translate("Quilbex", "Selected file:"));
    m_fileVersionKey->setText(QCoreApplication::translate("Quilbex", "File version:"));
    m_statusKey->setText(QCoreApplication::translate("Quilbex", "Status:"));
    m_log->setPlaceholderText(QCoreApplication::translate("Quilbex", "Update progress will appear here."));
    m_chooseBtn->setText(QCoreApplication::translate("Quilbex", "Choose firmware file"));
    m_startBtn->setText(QCoreApplication::translate("Quilbex", "Start update"));
    m_cancelBtn->setText(QCoreApplication::translate("Quilbex", "Cancel"));
    refreshDeviceVersion();
    refreshComparison();
    if (!isBusy())
        m_phaseLabel->setText(QCoreApplication::translate("Quilbex", "Ready"));
}

bool UpdatePage::isBusy(bool busyHint) const
{
    if (busyHint || (m_manager && m_manager->hasWorker()))
        return true;
    const SessionCoordinator* coordinator = m_application ? m_application->coordinator.get() : nullptr;
    return coordinator && coordinator->isUpgradeBusy();
}

void UpdatePage::updateButtons(bool busyHint)
{
    const bool busy = isBusy(busyHint);
    m_chooseBtn->setEnabled(!busy);
    m_startBtn->setEnabled(!busy && !m_binPath.isEmpty());
    m_cancelBtn->setEnabled(busy);
}

bool UpdatePage::deviceVersion(QString* text) const
{
    const bool connected = m_application && m_application->linkState && m_application->linkState->connected;
    const DeviceConfigModel* config = m_application ? m_application->config.get() : nullptr;
    if (!connected || !config || config->ver == 0)
        return false;
    *text = formatFirmwareVersion(config->ver);
    return true;
}

void UpdatePage::refreshDeviceVersion()
{
    QString text;
    m_deviceVersionValue->setText(deviceVersion(&text) ? text : QCoreApplication::translate("Quilbex", "Unknown"));
}

void UpdatePage::refreshComparison()
{
    if (m_binPath.isEmpty()) {
        m_fileValue->setText(QCoreApplication::translate("Quilbex", "(none)"));
        m_fileVersionValue->setText(QCoreApplication::translate("Quilbex", "Unknown"));
        m_statusValue->setText(
            QCoreApplication::translate("Quilbex", "Choose a firmware file to see how it compares to your pedals."));
    } else {
        m_fileValue->setText(m_binPath);
        const QString fileVersion = versionFromFileName(QFileInfo(m_binPath).fileName());
        m_fileVersionValue->setText(fileVersion.isEmpty() ? QCoreApplication::translate("Quilbex", "Unknown")
                                                          : fileVersion);
        QString deviceText;
        const bool known = deviceVersion(&deviceText);
        m_statusValue->setText(versionComparisonText(deviceText, fileVersion, known, !fileVersion.isEmpty()));
    }
    updateButtons();
}

void UpdatePage::setSelectedFile(const QString& path)
{
    if (path.isEmpty())
        return;
    m_binPath = path;
    refreshComparison();
    appendPlain(m_log, QCoreApplication::translate("Quilbex", "Selected: %1").arg(path));
}

void UpdatePage::onChooseBin()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QCoreApplication::translate("Quilbex", "Choose firmware file"), QString(),
                                     QCoreApplication::translate("Quilbex", "Firmware files (*.bin);;All files (*.*)"));
    setSelectedFile(path);
}

void UpdatePage::onStartUpdate()
{
    if (m_manager->hasWorker())
        return;
    const QString title = QCoreApplication::translate("Quilbex", "Firmware update");
    if (m_binPath.isEmpty()) {
        QMessageBox::warning(this, title,
                             QCoreApplication::translate("Quilbex", "Please choose a firmware file (.bin) first."),
                             QMessageBox::Ok);
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, title,
        QCoreApplication::translate("Quilbex",
                                    "The firmware update is about to start.\n\nPlease keep the USB cable connected "
                                    "and leave this application open until the update finishes.\n\nDo you want to "
                                    "continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;

    m_log->clear();
    m_progress->setValue(0);
    m_phaseLabel->setText(QCoreApplication::translate("Quilbex", "Starting update…"));
    m_chooseBtn->setEnabled(false);
    m_startBtn->setEnabled(false);
    m_cancelBtn->setEnabled(true);
    m_manager->startUpgrade(m_binPath);
}

void UpdatePage::onCancelUpdate()
{
    m_manager->cancel();
    appendPlain(m_log,
                QCoreApplication::translate(
                    "Quilbex", "Cancel requested. The update will stop as soon as the current step is safe to end."));
}

void UpdatePage::onLogLine(const QString& line)
{
    appendPlain(m_log, line);
}

void UpdatePage::onProgress(int percent, const QString& status)
{
    m_progress->setValue(qBound(0, percent, 100));
    if (!status.isEmpty())
        m_phaseLabel->setText(status);
}

void UpdatePage::onFinished(bool success, const QString& message)
{
    updateButtons();
    const QString title = QCoreApplication::translate("Quilbex", "Firmware update");
    if (success) {
        m_phaseLabel->setText(QCoreApplication::translate("Quilbex", "Update finished"));
        QString text = message;
        if (text.isEmpty()) {
            const DeviceConfigModel* config = m_application ? m_application->config.get() : nullptr;
            if (config && config->ver != 0)
                text = QCoreApplication::translate(
                           "Quilbex", "Your pedals have been updated successfully.\n\nCurrent firmware version: %1")
                           .arg(formatFirmwareVersion(config->ver));
            else
                text = QCoreApplication::translate("Quilbex", "Your pedals have been updated successfully.");
        }
        appendPlain(m_log, text);
        QMessageBox::information(this, title, text, QMessageBox::Ok);
    } else {
        m_phaseLabel->setText(QCoreApplication::translate("Quilbex", "Update could not be completed"));
        appendPlain(m_log, message);
        QMessageBox::warning(this, title, message, QMessageBox::Ok);
    }
    refreshDeviceVersion();
    refreshComparison();
}

void UpdatePage::onDeviceConnected(bool)
{
    refreshDeviceVersion();
    refreshComparison();
}

void UpdatePage::onConfigChanged()
{
    refreshDeviceVersion();
    refreshComparison();
}

void UpdatePage::onUpgradeBusyChanged(bool busy)
{
    updateButtons(busy);
    refreshDeviceVersion();
}

void UpdatePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshDeviceVersion();
    refreshComparison();
}

void UpdatePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
