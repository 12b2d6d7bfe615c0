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
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "ui/DevicePage.h"
#include "ui/PedalsPage.h"
#include "ui/SettingsPage.h"
#include "ui/UpdatePage.h"
#include "ui/WidgetHooks.h"

MainWindow::MainWindow(Application* application, QWidget* parent)
    : QMainWindow(parent), application(application)
{
    navIcons = {QString(QChar(0xD83D)) + QChar(0xDCBB),   // U+1F4BB personal computer
                QString(QChar(0xD83C)) + QChar(0xDF9B),   // U+1F39B control knobs
                QString(QChar(0xD83D)) + QChar(0xDD04),   // U+1F504 anticlockwise arrows
                QString(QChar(0x2699))};                  // U+2699 gear
    installWidgetHooks();

    setWindowTitle(QStringLiteral("Quilbex Control"));
    setMinimumSize(960, 640);
    resize(1280, 780);

    setupUi();

    statusBar()->showMessage(QCoreApplication::translate("Quilbex", "Ready"));

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

    navFrame = new QFrame(central);
    navFrame->setObjectName(QStringLiteral("navFrame"));
    navFrame->setFixedWidth(200);
    auto* navLayout = new QVBoxLayout(navFrame);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);

    auto* header = new QWidget(navFrame);
    header->setFixedHeight(64);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(14, 8, 14, 8);
    headerLayout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* logo = new QLabel(header);
    logo->setObjectName(QStringLiteral("navLogoLabel"));
    const QPixmap pixmap(QStringLiteral(":/images/quilbex-logo.png"));
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

    auto* separator = new QFrame(navFrame);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background:#2a3060;"));
    navLayout->addWidget(separator);

    navList = new QListWidget(navFrame);
    navList->setObjectName(QStringLiteral("navList"));
    navList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    navList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    navList->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* item = new QListWidgetItem(navList);
        item->setData(Qt::SizeHintRole, QSize(180, 42));
    }
    navLayout->addWidget(navList, 1);

    const QString version = QCoreApplication::applicationVersion();
    versionLabel = new QLabel(version.isEmpty() ? QStringLiteral("v3.0.0-dev") : version, navFrame);
    versionLabel->setObjectName(QStringLiteral("navVersionLabel"));
    navLayout->addWidget(versionLabel);

    pageStack = new QStackedWidget(central);
    pageStack->setObjectName(QStringLiteral("pageStack"));
    pageStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    devicePage = new DevicePage(application, pageStack);
    pedalsPage = new PedalsPage(application, pageStack);
    updatePage = new UpdatePage(application, pageStack);
    settingsPage = new SettingsPage(application, pageStack);
    pageStack->addWidget(devicePage);
    pageStack->addWidget(pedalsPage);
    pageStack->addWidget(updatePage);
    pageStack->addWidget(settingsPage);

    centralLayout->addWidget(navFrame, 0);
    centralLayout->addWidget(pageStack, 1);
    setCentralWidget(central);

    connect(navList, &QListWidget::currentRowChanged, this, &MainWindow::onNavRowChanged);

    navList->setCurrentRow(1);
    retranslateUi();
}

void MainWindow::retranslateUi()
{
    setWindowTitle(QCoreApplication::translate("Quilbex", "Quilbex Control"));

    const QString labels[4] = {
        QCoreApplication::translate("Quilbex", "Device"),
        QCoreApplication::translate("Quilbex", "Pedals"),
        QCoreApplication::translate("Quilbex", "Update"),
        QCoreApplication::translate("Quilbex", "Settings"),
    };
    if (navList) {
        for (int row = 0; row < 4; ++row) {
            if (QListWidgetItem* item = navList->item(row))
                item->setText(QStringLiteral("%1  %2").arg(navIcons[size_t(row)], labels[row]));
        }
    }

    if (devicePage)
        devicePage->retranslateUi();
    if (pedalsPage)
        pedalsPage->retranslateUi();
    if (updatePage)
        updatePage->retranslateUi();
    if (settingsPage)
        settingsPage->retranslateUi();

    if (navList) {
        const int row = navList->currentRow();
        if (row >= 0 && row <= 3)
            onNavRowChanged(row);
    }
}

bool MainWindow::updateBusy() const
{
    return application && application->coordinator && application->coordinator->isUpgradeBusy();
}

void MainWindow::onNavRowChanged(int row)
{
    if (row != kUpdateRow && updateBusy()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QCoreApplication::translate("Quilbex", "Firmware update"),
            QCoreApplication::translate("Quilbex",
                                        "A firmware update is in progress.\n\nIf you leave this page now, it may be "
                                        "harder to follow progress or cancel safely.\n\nWould you like to stay on "
                                        "the Update page?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            if (navList) {
                const bool wasBlocked = navList->blockSignals(true);
                navList->setCurrentRow(kUpdateRow);
                navList->blockSignals(wasBlocked);
            }
            // Asked again after a language change while another page is shown: the
            // selected row is Update now, so the page shown must be too.
            if (pageStack && pageStack->currentIndex() != kUpdateRow && kUpdateRow < pageStack->count())
                showPage(kUpdateRow);
            return;
        }
    }

    if (!pageStack || row < 0 || row >= pageStack->count())
        return;
    showPage(row);
}

void MainWindow::showPage(int row)
{
    pageStack->setCurrentIndex(row);

    if (navList) {
        if (QListWidgetItem* item = navList->item(row)) {
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
    if (updateBusy()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QCoreApplication::translate("Quilbex", "Firmware update"),
            QCoreApplication::translate("Quilbex",
                                        "A firmware update is still running.\n\nClosing Quilbex Control now could "
                                        "interrupt the update and may leave your pedals in an incomplete "
                                        "state.\n\nAre you sure you want to quit?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
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
