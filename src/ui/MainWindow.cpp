#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Application.h"
#include "app/Version.h"
#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "ui/DevicePage.h"
#include "ui/PedalsPage.h"
#include "ui/SettingsPage.h"
#include "ui/TracePage.h"
#include "ui/UpdatePage.h"
#include "ui/WidgetHooks.h"

MainWindow::MainWindow(Application* application, QWidget* parent) : QMainWindow(parent), m_application(application)
{
    m_navIcons = {QString(QChar(0xD83D)) + QChar(0xDCBB), // U+1F4BB personal computer
                  QString(QChar(0xD83C)) + QChar(0xDF9B), // U+1F39B control knobs
                  QString(QChar(0xD83D)) + QChar(0xDCC8), // U+1F4C8 chart increasing
                  QString(QChar(0xD83D)) + QChar(0xDD04), // U+1F504 anticlockwise arrows
                  QString(QChar(0x2699))};                // U+2699 gear
    installWidgetHooks();

    setWindowTitle(QStringLiteral("Quilbex Control"));
    setMinimumSize(960, 640);
    resize(1280, 780);

    setupUi();

    statusBar()->showMessage(QCoreApplication::translate("Quilbex", "Ready"));

    // Safety of the pedals' settings: a lasting note while they could not be read (nothing
    // is written then), and a message for every write that was refused or failed.
    m_readProblemLabel = new QLabel(statusBar());
    m_readProblemLabel->setObjectName(QStringLiteral("statusReadProblem"));
    m_readProblemLabel->setStyleSheet(QStringLiteral("color:#e74c3c; font-weight:600;"));
    // Cut rather than widen the window when it is narrow; the tool tip has the whole text.
    m_readProblemLabel->setMinimumWidth(120);
    m_readProblemLabel->setText(SessionCoordinator::configReadProblemText());
    m_readProblemLabel->setToolTip(m_readProblemLabel->text());
    m_readProblemLabel->setVisible(false);
    statusBar()->addPermanentWidget(m_readProblemLabel);
    if (SessionCoordinator* coordinator = application ? application->coordinator.get() : nullptr) {
        connect(coordinator, &SessionCoordinator::configReadProblemChanged, m_readProblemLabel, &QLabel::setVisible);
        m_readProblemLabel->setVisible(coordinator->hasConfigReadProblem());
        // Queued: the box waits until the coordinator has finished the request.
        connect(
            coordinator, &SessionCoordinator::writeFailed, this,
            [this](const QString& message) {
                QMessageBox::warning(this, QCoreApplication::translate("Quilbex", "Not written to the pedals"),
                                     message);
            },
            Qt::QueuedConnection);
    }

    if (application && application->languageManager)
        connect(application->languageManager.get(), &LanguageManager::localeChanged, this,
                [this](const QString&) { retranslateUi(); });
}

void MainWindow::setupUi()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralRoot"));
    auto* centralLayout = new QHBoxLayout(central);
    centralLayout->setSpacing(0);
    centralLayout->setContentsMargins(0, 0, 0, 0);

    m_navFrame = new QFrame(central);
    m_navFrame->setObjectName(QStringLiteral("navFrame"));
    m_navFrame->setFixedWidth(200);
    auto* navLayout = new QVBoxLayout(m_navFrame);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);

    auto* header = new QWidget(m_navFrame);
    header->setFixedHeight(64);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(14, 8, 14, 8);
    headerLayout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* logo = new QLabel(header);
    logo->setObjectName(QStringLiteral("navLogoLabel"));
    const QPixmap pixmap = loadPng(QStringLiteral(":/images/quilbex-logo.png"));
    if (pixmap.isNull()) {
        logo->setText(QStringLiteral("Quilbex Control"));
        logo->setStyleSheet(QStringLiteral("color:#ffffff; font-size:15px; font-weight:700;"));
    } else {
        logo->setPixmap(pixmap.scaled(160, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    logo->setStyleSheet(QStringLiteral("background:transparent;"));
    headerLayout->addWidget(logo);
    headerLayout->addStretch();
    navLayout->addWidget(header);

    auto* separator = new QFrame(m_navFrame);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background:#2a3060;"));
    navLayout->addWidget(separator);

    m_navList = new QListWidget(m_navFrame);
    m_navList->setObjectName(QStringLiteral("navList"));
    m_navList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_navList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_navList->setSpacing(2);
    for (int i = 0; i < kPageCount; ++i) {
        auto* item = new QListWidgetItem(m_navList);
        item->setData(Qt::SizeHintRole, QSize(180, 42));
    }
    navLayout->addWidget(m_navList, 1);

    const QString version = QCoreApplication::applicationVersion();
    m_versionLabel = new QLabel(version.isEmpty() ? QStringLiteral(QUILBEX_VERSION_TEXT) : version, m_navFrame);
    m_versionLabel->setObjectName(QStringLiteral("navVersionLabel"));
    navLayout->addWidget(m_versionLabel);

    m_pageStack = new QStackedWidget(central);
    m_pageStack->setObjectName(QStringLiteral("pageStack"));
    m_pageStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Only the pages that work while hidden are built now (the Pedals page is shown first, the
    // Trace page records from the start); the others are built when first shown, which keeps
    // them off the start-up path. They take their state from the session when built.
    m_pedalsPage = new PedalsPage(m_application, m_pageStack);
    m_tracePage = new TracePage(m_application, m_pageStack);
    for (QWidget* page :
         {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(m_pedalsPage), static_cast<QWidget*>(m_tracePage),
          static_cast<QWidget*>(nullptr), static_cast<QWidget*>(nullptr)})
        m_pageStack->addWidget(page ? page : new QWidget(m_pageStack));

    centralLayout->addWidget(m_navFrame, 0);
    centralLayout->addWidget(m_pageStack, 1);
    setCentralWidget(central);

    connect(m_navList, &QListWidget::currentRowChanged, this, &MainWindow::onNavRowChanged);
    installWheelGuard(central);

    m_navList->setCurrentRow(1);
    retranslateUi();
}

void MainWindow::retranslateUi()
{
    setWindowTitle(QCoreApplication::translate("Quilbex", "Quilbex Control"));
    if (m_readProblemLabel) {
        m_readProblemLabel->setText(SessionCoordinator::configReadProblemText());
        m_readProblemLabel->setToolTip(m_readProblemLabel->text());
    }

    const QString labels[kPageCount] = {
        QCoreApplication::translate("Quilbex", "Device"),   QCoreApplication::translate("Quilbex", "Pedals"),
        QCoreApplication::translate("Quilbex", "Trace"),    QCoreApplication::translate("Quilbex", "Update"),
        QCoreApplication::translate("Quilbex", "Settings"),
    };
    if (m_navList) {
        for (int row = 0; row < kPageCount; ++row) {
            if (QListWidgetItem* item = m_navList->item(row))
                item->setText(QStringLiteral("%1  %2").arg(m_navIcons[size_t(row)], labels[row]));
        }
    }

    if (m_devicePage)
        m_devicePage->retranslateUi();
    if (m_pedalsPage)
        m_pedalsPage->retranslateUi();
    if (m_tracePage)
        m_tracePage->retranslateUi();
    if (m_updatePage)
        m_updatePage->retranslateUi();
    if (m_settingsPage)
        m_settingsPage->retranslateUi();

    if (m_navList) {
        const int row = m_navList->currentRow();
        if (row >= 0 && row < kPageCount)
            onNavRowChanged(row);
    }
}

bool MainWindow::updateBusy() const
{
    return m_application && m_application->coordinator && m_application->coordinator->isUpgradeBusy();
}

QMessageBox::StandardButton MainWindow::askWhileUpdateRuns(const QString& text,
                                                           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Quilbex", "Firmware update"), text,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(defaultButton);
    bool ended = false;
    if (m_application && m_application->coordinator) {
        // The question is about the running update: once it is over, the answer is moot.
        connect(m_application->coordinator.get(), &SessionCoordinator::upgradeBusyChanged, &box,
                [&box, &ended](bool busy) {
                    if (busy)
                        return;
                    ended = true;
                    box.done(QMessageBox::NoButton);
                });
    }
    box.exec();
    if (ended)
        return QMessageBox::NoButton;
    return box.standardButton(box.clickedButton());
}

void MainWindow::keepUpdateRowSelected()
{
    if (!m_navList)
        return;
    const bool wasBlocked = m_navList->blockSignals(true);
    m_navList->setCurrentRow(kUpdateRow);
    m_navList->blockSignals(wasBlocked);
}

void MainWindow::onNavRowChanged(int row)
{
    if (row != kUpdateRow && updateBusy()) {
        const QMessageBox::StandardButton answer = askWhileUpdateRuns(
            QCoreApplication::translate("Quilbex",
                                        "A firmware update is in progress.\n\nIf you leave this page now, it may be "
                                        "harder to follow progress or cancel safely.\n\nWould you like to stay on "
                                        "the Update page?"),
            QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            keepUpdateRowSelected();
            // A click selects its row after this signal; put the highlight back once the
            // list is done with the click.
            QTimer::singleShot(0, this, [this] {
                if (m_pageStack && m_pageStack->currentIndex() == kUpdateRow)
                    keepUpdateRowSelected();
            });
            // Asked again after a language change while another page is shown: the
            // selected row is Update now, so the page shown must be too.
            if (m_pageStack && m_pageStack->currentIndex() != kUpdateRow && kUpdateRow < m_pageStack->count())
                showPage(kUpdateRow);
            return;
        }
    }

    if (!m_pageStack || row < 0 || row >= m_pageStack->count())
        return;
    showPage(row);
}

void MainWindow::ensurePage(int row)
{
    QWidget* page = nullptr;
    if (row == kDeviceRow && !m_devicePage)
        page = m_devicePage = new DevicePage(m_application, m_pageStack);
    else if (row == kUpdateRow && !m_updatePage)
        page = m_updatePage = new UpdatePage(m_application, m_pageStack);
    else if (row == kSettingsRow && !m_settingsPage)
        page = m_settingsPage = new SettingsPage(m_application, m_pageStack);
    if (!page)
        return;
    QWidget* placeholder = m_pageStack->widget(row);
    m_pageStack->insertWidget(row, page);
    m_pageStack->removeWidget(placeholder);
    delete placeholder;
}

void MainWindow::showPage(int row)
{
    ensurePage(row);
    m_pageStack->setCurrentIndex(row);

    if (m_navList) {
        if (QListWidgetItem* item = m_navList->item(row)) {
            const QString text = item->text();
            QString name = text.section(QStringLiteral("  "), 1, -1);
            if (name.isEmpty())
                name = text;
            statusBar()->showMessage(QCoreApplication::translate("Quilbex", "Page: %1").arg(name));
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unsaved profile edits first: cancelling there must not have touched a running update.
    if (m_pedalsPage
        && !m_pedalsPage->confirmUnsavedChanges(QCoreApplication::translate("Quilbex", "Quilbex Control"))) {
        event->ignore();
        return;
    }
    if (updateBusy()) {
        const QMessageBox::StandardButton answer = askWhileUpdateRuns(
            QCoreApplication::translate("Quilbex",
                                        "A firmware update is still running.\n\nClosing Quilbex Control now could "
                                        "interrupt the update and may leave your pedals in an incomplete "
                                        "state.\n\nAre you sure you want to quit?"),
            QMessageBox::No);
        // NoButton: the update ended while the question was open, so closing is safe now.
        if (answer != QMessageBox::Yes && answer != QMessageBox::NoButton) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    applyDarkTitleBar();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

// The title bar belongs to the window manager on this platform; the dark theme of the
// desktop decides its colour.
void MainWindow::applyDarkTitleBar() {}
