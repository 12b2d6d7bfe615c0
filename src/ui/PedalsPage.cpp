#include "ui/PedalsPage.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/SessionCoordinator.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/PedalChannelCard.h"

namespace {
QString pedalName(int hostIndex)
{
    switch (hostIndex) {
    case 0: return QCoreApplication::translate("Quilbex", "Throttle");
    case 1: return QCoreApplication::translate("Quilbex", "Brake");
    case 2: return QCoreApplication::translate("Quilbex", "Clutch");
    default: return QString();
    }
}
} // namespace

PedalsPage::PedalsPage(Application* app, QWidget* parent) : QWidget(parent), m_application(app)
{
    setObjectName(QStringLiteral("pagePedals"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    outer->addWidget(m_scrollArea, 1);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("pedalsContent"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(16, 12, 16, 16);
    contentLayout->setSpacing(12);
    m_scrollArea->setWidget(content);

    auto* bar = new QFrame(content);
    buildProfileBar(bar);
    contentLayout->addWidget(bar);
    setConnectionStatus(false);

    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    for (int i = 0; i < 3; ++i) {
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        column->setContentsMargins(0, 0, 0, 0);
        auto* card = new PedalChannelCard(i, m_application, content);
        // The card's own minimum: 250 px, or more when its translated controls need it.
        card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
        m_cards[size_t(i)] = card;
        QFrame* chartFrame = buildCurvePreviewCard(i, card);
        card->embedChart(chartFrame);
        connect(card, &PedalChannelCard::settingsAffectingProfileChanged, this, [this] { markProfileDirty(); });
        if (CurvePreviewWidget* chart = m_previews[size_t(i)]) {
            connect(chart, &CurvePreviewWidget::curveEditedByUser, this,
                    [this, i](const CurvePoints& points) { onChartEdited(i, points); });
        }
        column->addWidget(card, 1);
        row->addLayout(column, 1);
    }
    contentLayout->addLayout(row, 1);

    retranslateUi();

    if (m_application && m_application->config) {
        DeviceConfigModel* model = m_application->config.get();
        connect(model, &DeviceConfigModel::configChanged, this, &PedalsPage::refreshCurvePreviews);
        for (int i = 0; i < 3; ++i) {
            if (m_previews[size_t(i)])
                m_previews[size_t(i)]->setPoints(model->curve[size_t(i)]);
        }
    }
    if (m_application && m_application->runtime)
        connect(m_application->runtime.get(), &PedalRuntimeState::dataChanged, this, &PedalsPage::onRuntimeDataChanged);
    if (m_application && m_application->coordinator) {
        connect(m_application->coordinator.get(), &SessionCoordinator::deviceConnectedChanged, this,
                &PedalsPage::setConnectionStatus);
        // Queued: the coordinator reports this from inside its own connect or write steps.
        connect(
            m_application->coordinator.get(), &SessionCoordinator::writeAvailabilityChanged, this,
            [this](bool writable) {
                if (writable)
                    applyPendingGameSwitch();
            },
            Qt::QueuedConnection);
    }
    if (m_application && m_application->gameSwitcher)
        connect(m_application->gameSwitcher.get(), &GameSwitcher::switchRequested, this, &PedalsPage::applyGameSwitch);

    initProfiles();
}

PedalsPage::~PedalsPage() = default;

PedalChannelCard* PedalsPage::card(int i) const
{
    return i >= 0 && i < 3 ? m_cards[size_t(i)] : nullptr;
}

CurvePreviewWidget* PedalsPage::preview(int i) const
{
    return i >= 0 && i < 3 ? m_previews[size_t(i)] : nullptr;
}

QFrame* PedalsPage::buildCurvePreviewCard(int hostIndex, QWidget* parentCard)
{
    auto* frame = new QFrame(parentCard);
    frame->setObjectName(QStringLiteral("curvePreviewEmbedded"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    const QColor color = PedalChannelCard::pedalColor(hostIndex);
    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    auto* stripe = new QFrame(frame);
    stripe->setFixedSize(4, 16);
    stripe->setStyleSheet(QStringLiteral("background:%1; border-radius:2px;").arg(color.name()));
    header->addWidget(stripe);
    auto* title = new QLabel(frame);
    title->setTextFormat(Qt::RichText);
    header->addWidget(title);
    header->addStretch();
    layout->addLayout(header);

    auto* chart = new CurvePreviewWidget(frame);
    chart->setMinimumHeight(260);
    chart->setCurveColor(color);
    layout->addWidget(chart, 1);

    if (hostIndex >= 0 && hostIndex < 3) {
        m_previews[size_t(hostIndex)] = chart;
        m_previewTitles[size_t(hostIndex)] = title;
    }
    return frame;
}

void PedalsPage::retranslateUi()
{
    if (m_profilesTitle)
        m_profilesTitle->setText(QStringLiteral("<b>%1</b>").arg(QCoreApplication::translate("Quilbex", "Profiles")));
    if (m_newBtn)
        m_newBtn->setText(QCoreApplication::translate("Quilbex", "New"));
    if (m_deleteBtn)
        m_deleteBtn->setText(QCoreApplication::translate("Quilbex", "Delete"));
    if (m_loadBtn)
        m_loadBtn->setText(QCoreApplication::translate("Quilbex", "Load"));
    if (m_saveBtn)
        m_saveBtn->setText(QCoreApplication::translate("Quilbex", "Save"));
    if (m_importBtn)
        m_importBtn->setText(QCoreApplication::translate("Quilbex", "Import"));
    if (m_exportBtn)
        m_exportBtn->setText(QCoreApplication::translate("Quilbex", "Export"));
    if (m_gamesBtn)
        m_gamesBtn->setText(QCoreApplication::translate("Quilbex", "Games…"));
    if (m_connLed)
        m_connLed->setToolTip(QCoreApplication::translate("Quilbex", "Device connection status"));
    if (m_renameAction)
        m_renameAction->setText(QCoreApplication::translate("Quilbex", "Rename…"));

    for (int i = 0; i < 3; ++i) {
        if (QLabel* title = m_previewTitles[size_t(i)]) {
            title->setText(QStringLiteral("<b>%1</b>  <span style='color:#888; font-size:11px;font-weight:normal;'>"
                                          "%2</span>")
                               .arg(pedalName(i), QCoreApplication::translate("Quilbex", "Curve")));
        }
        if (PedalChannelCard* c = m_cards[size_t(i)])
            c->retranslateUi();
    }
    setConnectionStatus(m_application && m_application->linkState && m_application->linkState->connected);
}

void PedalsPage::setConnectionStatus(bool connected)
{
    if (!m_connLed || !m_connLabel)
        return;
    if (connected) {
        m_connLed->setStyleSheet(QStringLiteral("background:#27ae60; border-radius:6px;"));
        m_connLabel->setText(QCoreApplication::translate("Quilbex", "Connected"));
        m_connLabel->setStyleSheet(QStringLiteral("color:#27ae60; font-weight:600;"));
    } else {
        m_connLed->setStyleSheet(QStringLiteral("background:#9e9e9e; border-radius:6px;"));
        m_connLabel->setText(QCoreApplication::translate("Quilbex", "Disconnected"));
        m_connLabel->setStyleSheet(QStringLiteral("color:#9e9e9e; font-weight:500;"));
        for (PedalChannelCard* c : m_cards) {
            if (c)
                c->resetLiveDisplay();
        }
        for (CurvePreviewWidget* chart : m_previews) {
            if (chart)
                chart->hideLiveMarker();
        }
    }
    for (PedalChannelCard* c : m_cards) {
        if (c)
            c->refreshSaveButton();
    }
}

void PedalsPage::onRuntimeDataChanged()
{
    if (!m_application || !m_application->runtime)
        return;
    const PedalRuntimeState& rt = *m_application->runtime;
    const DeviceConfigModel* model = m_application->config.get();
    for (size_t i = 0; i < 3; ++i) {
        if (m_cards[i])
            m_cards[i]->setLiveValues(rt.raw[i], rt.out[i]);
        if (m_previews[i] && model) {
            m_previews[i]->setLiveMarker(rt.raw[i], rt.out[i], model->cali[i] != 0, model->min[i], model->max[i],
                                         model->deadTop[i], model->deadBot[i]);
        }
    }
}

void PedalsPage::refreshCurvePreviews()
{
    if (!m_application || !m_application->config)
        return;
    for (size_t i = 0; i < 3; ++i) {
        if (m_previews[i])
            m_previews[i]->setPoints(m_application->config->curve[i]);
    }
}

void PedalsPage::onChartEdited(int hostIndex, const CurvePoints& points)
{
    if (hostIndex < 0 || hostIndex > 2)
        return;
    if (m_application && m_application->config) {
        DeviceConfigModel* model = m_application->config.get();
        model->curve[size_t(hostIndex)] = points;
        model->curveType[size_t(hostIndex)] = 4;
        Q_EMIT model->configChanged();
    }
    if (PedalChannelCard* c = m_cards[size_t(hostIndex)]) {
        c->setCurvePresetIdx(4);
        c->markDirty();
    }
}

bool PedalsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_profileCombo || watched != m_profileCombo)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The list would open on the first press and swallow the second one, so a double
        // click could never reach it. A press on the text therefore waits for a possible
        // second press before it opens the list; the arrow opens it at once.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !m_comboClickTimer)
            break;
        QStyleOptionComboBox option;
        option.initFrom(m_profileCombo);
        option.subControls = QStyle::SC_All;
        const QStyle::SubControl hit = m_profileCombo->style()->hitTestComplexControl(
            QStyle::CC_ComboBox, &option, mouse->position().toPoint(), m_profileCombo);
        if (hit == QStyle::SC_ComboBoxArrow && !m_comboClickTimer->isActive())
            break;
        m_comboPressHeld = true;
        m_profileCombo->setFocus(Qt::MouseFocusReason);
        if (m_comboClickTimer->isActive())
            m_comboClickTimer->stop(); // second press: the double click follows
        else
            m_comboClickTimer->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_comboPressHeld && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_comboPressHeld = false;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        // A double click on the profile list renames the selected profile.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (m_comboClickTimer)
                m_comboClickTimer->stop();
            onProfileRename();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void PedalsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateDirtyUi();
}

void PedalsPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (QWidget* top = window()) {
        QString title = QCoreApplication::translate("Quilbex", "Quilbex Control");
        if (m_profileDirty)
            title += QStringLiteral(" *");
        top->setWindowTitle(title);
    }
}

void PedalsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
