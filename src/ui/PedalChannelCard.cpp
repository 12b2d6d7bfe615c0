#include "ui/PedalChannelCard.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "ui/CurvePresetButton.h"

namespace {

// 50..72 px wide as the column allows, but never narrower than its (translated) text.
class SaveButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    QSize minimumSizeHint() const override
    {
        return QSize(std::clamp(sizeHint().width(), 50, 72), QPushButton::minimumSizeHint().height());
    }
};

// Untranslated status keys; the label shows their translation.
const char* const kStatusNotCalibrated = QT_TRANSLATE_NOOP("Quilbex", "Not calibrated");
const char* const kStatusCompleted = QT_TRANSLATE_NOOP("Quilbex", "Calibration completed");
const char* const kStatusFailed = QT_TRANSLATE_NOOP("Quilbex", "Calibration failed — press pedal fully");

constexpr int kMinCalibrationSpan = 500;
constexpr int kCountdownStart = 15;

const char* const kSaveTemplate =
    "QPushButton { background:%1; color:white; border:none; border-radius:3px; font-weight:600; "
    "font-size:10px; padding:2px 8px; min-height:0; max-height:24px; }"
    "QPushButton:hover { filter: brightness(0.92); }"
    "QPushButton:disabled { background:#cfd4dc; color:#9aa5b5; }";
const char* const kSavedStyle =
    "QPushButton { background:#27ae60; color:white; border:none; border-radius:3px; font-weight:700; "
    "font-size:10px; padding:2px 10px; min-height:0; max-height:24px; }"
    "QPushButton:disabled { background:#27ae60; color:white; }";

std::array<PedalChannelCard*, 3> g_cards{};

// The live bars and the brake readout change with every telemetry report. Widgets with
// rounded or transparent edges are not opaque, so Qt would repaint the card frames behind
// them each time; when the parent has a flat background the widget paints that colour
// under itself and is marked opaque.
template <class Base>
class FlatBackdrop : public Base
{
public:
    using Base::Base;

protected:
    bool event(QEvent* e) override
    {
        const bool result = Base::event(e);
        // Polishing (style sheets) resets the attribute; set it again afterwards.
        if (e->type() == QEvent::Polish || e->type() == QEvent::ParentChange)
            updateBackdrop();
        return result;
    }
    void changeEvent(QEvent* e) override
    {
        Base::changeEvent(e);
        if (e->type() == QEvent::StyleChange || e->type() == QEvent::PaletteChange)
            updateBackdrop();
    }
    void paintEvent(QPaintEvent* e) override
    {
        if (backdrop.isValid()) {
            QPainter p(this);
            p.fillRect(e->rect(), backdrop);
        }
        Base::paintEvent(e);
    }

private:
    void updateBackdrop()
    {
        QColor color;
        if (QWidget* parent = this->parentWidget()) {
            parent->ensurePolished(); // its style sheet sets the colour we copy
            const QBrush& brush = parent->palette().brush(parent->backgroundRole());
            if (brush.style() == Qt::SolidPattern && brush.isOpaque())
                color = brush.color();
        }
        backdrop = color;
        this->setAttribute(Qt::WA_OpaquePaintEvent, color.isValid());
    }

    QColor backdrop;
};

using LiveValueBar = FlatBackdrop<QProgressBar>;
using LiveLabel = FlatBackdrop<QLabel>;

// How PedalCardLayer (core library) reaches the columns.
class CardRegistry : public ICardRegistry
{
public:
    bool cardValues(int hostIndex, CardControlValues* out) const override
    {
        PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex);
        if (!card)
            return false;
        if (out) {
            out->deadTop = card->deadzoneTopValue();
            out->deadBot = card->deadzoneBottomValue();
            out->filter = card->filterValue();
            out->presetIdx = card->curvePresetIndex();
        }
        return true;
    }
    bool hasCard(int hostIndex) const override { return PedalChannelCard::registeredCard(hostIndex) != nullptr; }
    void loadCardFromConfig(int hostIndex, const DeviceConfigModel& model) override
    {
        if (PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex))
            card->loadFromConfig(model);
    }
    void clearCardDirty(int hostIndex) override
    {
        if (PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex))
            card->clearDirty();
    }
    void markCardSaved(int hostIndex) override
    {
        if (PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex))
            card->showSavedFlash();
    }
};

CardRegistry g_registry;

// QProgressBar::setValue repaints synchronously, so six bars would mean six separate
// paint-and-flush passes per live update. With updates held off during the change the
// bar only schedules an update, and all bars and charts are painted in one pass.
void setBarValue(QProgressBar* bar, int value)
{
    if (!bar || bar->value() == value)
        return;
    const bool holdUpdates = bar->updatesEnabled();
    if (holdUpdates)
        bar->setUpdatesEnabled(false);
    bar->setValue(value);
    if (holdUpdates)
        bar->setUpdatesEnabled(true); // schedules the update
}

QString translatedKey(const char* text)
{
    return QCoreApplication::translate("Quilbex", text);
}

QString statusStyleFor(const QString& key)
{
    if (key == QString::fromUtf8(kStatusCompleted))
        return QStringLiteral("font-size:12px; line-height:1.35; color:#27ae60; font-weight:600;");
    if (key == QString::fromUtf8(kStatusFailed))
        return QStringLiteral("color:#e74c3c; font-weight:600;");
    return QStringLiteral("font-size:12px; line-height:1.35; color:#95a5a6; font-weight:500;");
}

} // namespace


PedalChannelCard::PedalChannelCard(int hostIndex_, Application* application_, QWidget* parent)
    : QWidget(parent), hostIndex(hostIndex_), application(application_),
      calibrationStatus(QString::fromUtf8(kStatusNotCalibrated))
{
    buildUi();
    retranslateUi();
    if (validIndex()) {
        g_cards[size_t(hostIndex)] = this;
        PedalCardLayer::setRegistry(&g_registry);
    }
    refreshSaveButton();
}

QSize PedalChannelCard::minimumSizeHint() const
{
    return QWidget::minimumSizeHint().expandedTo(QSize(250, 0));
}

PedalChannelCard::~PedalChannelCard()
{
    if (validIndex() && g_cards[size_t(hostIndex)] == this)
        g_cards[size_t(hostIndex)] = nullptr;
}

PedalChannelCard* PedalChannelCard::registeredCard(int hostIndex)
{
    return hostIndex >= 0 && hostIndex <= 2 ? g_cards[size_t(hostIndex)] : nullptr;
}

QColor PedalChannelCard::pedalColor(int hostIndex)
{
    switch (hostIndex) {
    case 0:
        return QColor(0x00, 0xb8, 0x94);
    case 1:
        return QColor(0xe1, 0x70, 0x55);
    case 2:
        return QColor(0x6c, 0x5c, 0xe7);
    default:
        return QColor(0x2d, 0x7d, 0xff);
    }
}

DeviceConfigModel* PedalChannelCard::model() const
{
    return application ? application->config.get() : nullptr;
}

void PedalChannelCard::buildUi()
{
    const QString colorName = pedalColor(hostIndex).name();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    upperCard = new QFrame(this);
    upperCard->setObjectName(QStringLiteral("pedalUpperCard"));
    auto* upper = new QVBoxLayout(upperCard);
    upper->setContentsMargins(14, 10, 14, 10);
    upper->setSpacing(6);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    auto* stripe = new QFrame(upperCard);
    stripe->setFixedSize(4, 22);
    stripe->setStyleSheet(QStringLiteral("background:%1; border-radius:2px;").arg(colorName));
    header->addWidget(stripe);
    titleLabel = new QLabel(upperCard);
    titleLabel->setObjectName(QStringLiteral("pedalCardTitle"));
    header->addWidget(titleLabel);
    if (hostIndex == 1) {
        brakeKgLabel = new LiveLabel(QStringLiteral("--"), upperCard);
        brakeKgLabel->setObjectName(QStringLiteral("brakeKgValue"));
        brakeKgLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        brakeKgLabel->setStyleSheet(QStringLiteral("font-size:13px; font-weight:700; margin-left:6px;"));
        fitBrakeLabel();
        header->addWidget(brakeKgLabel);
    }
    header->addStretch();

    calibrateButton = new QPushButton(upperCard);
    calibrateButton->setObjectName(QStringLiteral("calibrateBtn"));
    calibrateButton->setCheckable(true);
    calibrateButton->setFixedHeight(24);
    calibrateButton->setStyleSheet(QStringLiteral(
        "QPushButton { background:#f39c12; color:white; border:none; border-radius:4px; padding:4px 10px; "
        "font-weight:600; font-size:11px; }"
        "QPushButton:hover { background:#e67e22; }"
        "QPushButton:checked { background:#e74c3c; }"
        "QPushButton:checked:hover { background:#c0392b; }"));
    connect(calibrateButton, &QPushButton::toggled, this, &PedalChannelCard::onCalibrateBtnToggled);
    header->addWidget(calibrateButton);

    resetButton = new QPushButton(upperCard);
    resetButton->setObjectName(QStringLiteral("calResetBtn"));
    resetButton->setFixedHeight(24);
    resetButton->setStyleSheet(QStringLiteral(
        "QPushButton { background:transparent; color:#f39c12; border:1.5px solid #f39c12; border-radius:4px; "
        "padding:4px 8px; font-size:11px; }"
        "QPushButton:hover { background:rgba(243,156,18,0.12); }"
        "QPushButton:disabled { color:#ccc; border-color:#ccc; }"));
    connect(resetButton, &QPushButton::clicked, this, [this] { onCalibrationReset(); });
    header->addWidget(resetButton);
    upper->addLayout(header);

    auto* separator = new QFrame(upperCard);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background:#eaecf4;"));
    upper->addWidget(separator);

    auto makeBarRow = [this, upper](QLabel*& label, QProgressBar*& bar) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        label = new QLabel(upperCard);
        label->setObjectName(QStringLiteral("sectionLabel"));
        label->setFixedWidth(58);
        row->addWidget(label);
        bar = new LiveValueBar(upperCard);
        bar->setObjectName(QStringLiteral("pedalValueBar"));
        bar->setRange(-32767, 32767);
        bar->setValue(0);
        bar->setFormat(QStringLiteral("—"));
        bar->setTextVisible(true);
        bar->setFixedHeight(18);
        row->addWidget(bar, 1);
        upper->addLayout(row);
    };
    makeBarRow(rawLabel, rawBar);
    makeBarRow(outputLabel, outputBar);
    outputBar->setStyleSheet(
        QStringLiteral("QProgressBar::chunk { background-color:%1; border-radius:3px; }").arg(colorName));

    upper->addSpacing(4);
    statusLabel = new QLabel(upperCard);
    statusLabel->setObjectName(QStringLiteral("calReadOnly"));
    statusLabel->setWordWrap(true);
    setStatusStyle(statusStyleFor(calibrationStatus));
    upper->addWidget(statusLabel);

    outer->addWidget(upperCard);
    outer->addSpacing(8);

    lowerCard = new QFrame(this);
    lowerCard->setObjectName(QStringLiteral("pedalLowerCard"));
    lowerLayout = new QVBoxLayout(lowerCard);
    lowerLayout->setContentsMargins(14, 10, 14, 10);
    lowerLayout->setSpacing(6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    auto makeSpin = [this]() {
        auto* spin = new QSpinBox(lowerCard);
        spin->setRange(0, 50);
        spin->setValue(0);
        spin->setSuffix(QStringLiteral(" %"));
        spin->setFixedWidth(90);
        spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(spin, &QSpinBox::valueChanged, this, &PedalChannelCard::onPedalDeadFilterCurveUiChanged);
        return spin;
    };
    deadzoneTopLabel = new QLabel(lowerCard);
    deadzoneTopSpin = makeSpin();
    deadzoneBottomLabel = new QLabel(lowerCard);
    deadzoneBottomSpin = makeSpin();
    grid->addWidget(deadzoneTopLabel, 0, 0);
    grid->addWidget(deadzoneTopSpin, 0, 1, Qt::AlignRight);
    grid->addWidget(deadzoneBottomLabel, 1, 0);
    grid->addWidget(deadzoneBottomSpin, 1, 1, Qt::AlignRight);
    lowerLayout->addLayout(grid);

    filterLabel = new QLabel(lowerCard);
    filterLabel->setObjectName(QStringLiteral("sectionLabel"));
    lowerLayout->addWidget(filterLabel);

    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->setSpacing(6);
    const QString smallGrey = QStringLiteral("font-size:10px; color:#888;");
    fastLabel = new QLabel(lowerCard);
    fastLabel->setStyleSheet(smallGrey);
    filterRow->addWidget(fastLabel);
    filterSlider = new QSlider(Qt::Horizontal, lowerCard);
    filterSlider->setRange(0, 6);
    filterSlider->setValue(0);
    filterSlider->setSingleStep(1);
    filterSlider->setPageStep(1);
    filterSlider->setTickPosition(QSlider::TicksBelow);
    filterSlider->setTickInterval(1);
    filterSlider->setFixedHeight(32);
    connect(filterSlider, &QSlider::valueChanged, this, &PedalChannelCard::onPedalDeadFilterCurveUiChanged);
    filterRow->addWidget(filterSlider, 1);
    smoothLabel = new QLabel(lowerCard);
    smoothLabel->setStyleSheet(smallGrey);
    filterRow->addWidget(smoothLabel);
    lowerLayout->addLayout(filterRow);

    curveLabel = new QLabel(lowerCard);
    curveLabel->setObjectName(QStringLiteral("sectionLabel"));
    lowerLayout->addWidget(curveLabel);

    auto* presetRow = new QHBoxLayout;
    presetRow->setSpacing(6);
    presetRow->setContentsMargins(0, 0, 18, 0);
    presetGroup = new QButtonGroup(this);
    presetGroup->setExclusive(true);
    for (int k = 0; k < 5; ++k) {
        auto* button = new CurvePresetButton(k, lowerCard);
        presetGroup->addButton(button, k);
        presetButtons[size_t(k)] = button;
        connect(button, &CurvePresetButton::clicked, this, [this, k] { onPresetClicked(k); });
        presetRow->addWidget(button);
    }
    presetButtons[0]->setChecked(true);
    presetRow->addStretch();
    presetRow->addSpacing(10);

    saveButton = new SaveButton(lowerCard);
    saveButton->setObjectName(QStringLiteral("pedalParamsSaveBtn"));
    saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
    saveButton->setFixedHeight(24);
    saveButton->setMaximumWidth(72);
    saveButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    saveButton->setEnabled(false);
    setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(colorName));
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (application && application->coordinator)
            application->coordinator->requestWritePedalParams(hostIndex);
    });
    presetRow->addWidget(saveButton, 0, Qt::AlignVCenter);
    lowerLayout->addLayout(presetRow);

    outer->addWidget(lowerCard, 1);

    calibrationTimer = new QTimer(this);
    calibrationTimer->setSingleShot(true);
    calibrationTimer->setInterval(15000);
    connect(calibrationTimer, &QTimer::timeout, this, &PedalChannelCard::onCalibrationTimeout);
    countdownTimer = new QTimer(this);
    countdownTimer->setInterval(1000);
    connect(countdownTimer, &QTimer::timeout, this, &PedalChannelCard::onCountdownTick);
    saveFlashTimer = new QTimer(this);
    saveFlashTimer->setSingleShot(true);
    connect(saveFlashTimer, &QTimer::timeout, this, &PedalChannelCard::onSaveFlashFinished);
}

void PedalChannelCard::setTimerIntervals(int calibrationMs, int countdownMs, int saveFlashMs_)
{
    if (calibrationTimer)
        calibrationTimer->setInterval(std::max(0, calibrationMs));
    if (countdownTimer)
        countdownTimer->setInterval(std::max(0, countdownMs));
    saveFlashMs = std::max(0, saveFlashMs_);
}

int PedalChannelCard::deadzoneTopValue() const
{
    return deadzoneTopSpin ? deadzoneTopSpin->value() : -1;
}

int PedalChannelCard::deadzoneBottomValue() const
{
    return deadzoneBottomSpin ? deadzoneBottomSpin->value() : -1;
}

int PedalChannelCard::filterValue() const
{
    return filterSlider ? filterSlider->value() : -1;
}

void PedalChannelCard::retranslateUi()
{
    if (titleLabel) {
        QString title;
        switch (hostIndex) {
        case 0:
            title = QCoreApplication::translate("Quilbex", "Throttle");
            break;
        case 1:
            title = QCoreApplication::translate("Quilbex", "Brake");
            break;
        case 2:
            title = QCoreApplication::translate("Quilbex", "Clutch");
            break;
        default:
            break;
        }
        titleLabel->setText(QStringLiteral("<span style='font-size:15px; font-weight:700;'>%1</span>").arg(title));
    }
    if (rawLabel)
        rawLabel->setText(QCoreApplication::translate("Quilbex", "Raw ADC"));
    if (outputLabel)
        outputLabel->setText(QCoreApplication::translate("Quilbex", "Output"));
    if (deadzoneTopLabel)
        deadzoneTopLabel->setText(QCoreApplication::translate("Quilbex", "Deadzone top"));
    if (deadzoneBottomLabel)
        deadzoneBottomLabel->setText(QCoreApplication::translate("Quilbex", "Deadzone bottom"));
    if (filterLabel)
        filterLabel->setText(QCoreApplication::translate("Quilbex", "Filter / smooth"));
    if (fastLabel)
        fastLabel->setText(QCoreApplication::translate("Quilbex", "Fast"));
    if (smoothLabel)
        smoothLabel->setText(QCoreApplication::translate("Quilbex", "Smooth"));
    if (curveLabel)
        curveLabel->setText(QCoreApplication::translate("Quilbex", "Curve"));
    if (calibrateButton) {
        calibrateButton->setToolTip(QCoreApplication::translate(
            "Quilbex", "Toggle calibration mode (auto-stops in 15 s).\nPress the full pedal travel before stopping."));
        calibrateButton->setText(calibrating ? QCoreApplication::translate("Quilbex", "Stop Calibration")
                                             : QCoreApplication::translate("Quilbex", "Start Calibration"));
    }
    if (resetButton) {
        resetButton->setText(QCoreApplication::translate("Quilbex", "Reset"));
        resetButton->setToolTip(QCoreApplication::translate("Quilbex", "Clear calibration data for this channel"));
    }
    if (filterSlider)
        filterSlider->setToolTip(
            QCoreApplication::translate("Quilbex", "Filter strength: 0 = fastest response, 6 = smoothest"));
    if (saveButton) {
        saveButton->setToolTip(QCoreApplication::translate(
            "Quilbex", "Write this column's deadzone, filter, and curve to the device. Unsaved changes on other "
                       "columns are not sent."));
        saveButton->setText(savedFlashActive ? QCoreApplication::translate("Quilbex", "SAVED")
                                             : QCoreApplication::translate("Quilbex", "SAVE"));
    }
    const std::array<QString, 5> tips{
        QCoreApplication::translate("Quilbex", "Linear — linear pedal response"),
        QCoreApplication::translate("Quilbex", "S-Curve — more sensitivity in the middle"),
        QCoreApplication::translate("Quilbex", "Early — more sensitivity at the start"),
        QCoreApplication::translate("Quilbex", "Late — more sensitivity at the end"),
        QCoreApplication::translate("Quilbex", "Custom — drag points on the chart"),
    };
    for (size_t k = 0; k < presetButtons.size(); ++k) {
        if (presetButtons[k])
            presetButtons[k]->setToolTip(tips[k]);
    }
    if (calibrating)
        showCountdown();
    else if (statusLabel)
        statusLabel->setText(translatedKey(calibrationStatus.toUtf8().constData()));
}

void PedalChannelCard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    else if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        fitBrakeLabel();
    QWidget::changeEvent(event);
}

void PedalChannelCard::setLiveValues(qint16 raw, qint16 output)
{
    lastRaw = raw;
    if (calibrating) {
        seenMin = std::min(seenMin, raw);
        seenMax = std::max(seenMax, raw);
    }
    // The format is set once per switch between the live and the reset display.
    if (!liveFormatShown) {
        static const QString liveFormat = QStringLiteral("%v");
        if (rawBar)
            rawBar->setFormat(liveFormat);
        if (outputBar)
            outputBar->setFormat(liveFormat);
        liveFormatShown = true;
    }
    setBarValue(rawBar, raw);
    setBarValue(outputBar, output);
    if (brakeKgLabel)
        updateBrakeReadout();
}

void PedalChannelCard::resetLiveDisplay()
{
    static const QString dash = QStringLiteral("—");
    if (rawBar) {
        rawBar->setValue(0);
        rawBar->setFormat(dash);
    }
    if (outputBar) {
        outputBar->setValue(0);
        outputBar->setFormat(dash);
    }
    liveFormatShown = false;
    if (brakeKgLabel) {
        brakeKgValid = false;
        updateBrakeReadout();
    }
}

void PedalChannelCard::fitBrakeLabel()
{
    // A label whose text changes asks its layout to recompute on every change; with a
    // fixed size (room for the widest reading) the live readout only repaints.
    if (!brakeKgLabel)
        return;
    const QString shown = brakeKgLabel->text();
    brakeKgLabel->setMinimumSize(0, 0);
    brakeKgLabel->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    brakeKgLabel->ensurePolished();
    brakeKgLabel->setText(QStringLiteral("200kg"));
    const QSize widest = brakeKgLabel->sizeHint().expandedTo(brakeKgLabel->minimumSizeHint());
    brakeKgLabel->setText(shown);
    brakeKgLabel->setFixedSize(widest);
}

void PedalChannelCard::updateBrakeReadout()
{
    if (!brakeKgLabel)
        return;
    int shown = -1;
    if (brakeKgValid && brakeKgReference != 32767) {
        const double r = (double(lastRaw) - brakeKgReference) / (32767.0 - brakeKgReference);
        const double kg = r * 200.0;
        if (kg > 200.0)
            shown = 200;
        else if (kg <= 0.0)
            shown = 0;
        else
            shown = std::clamp(int(kg + 0.5), 0, 200);
    }
    if (shown == brakeKgShown)
        return;
    brakeKgShown = shown;
    brakeKgLabel->setText(shown < 0 ? QStringLiteral("--") : QString::number(shown) + QLatin1String("kg"));
}

void PedalChannelCard::refreshBrakeReference()
{
    if (!brakeKgLabel)
        return;
    const DeviceConfigModel* m = model();
    if (m && validIndex() && m->cali[size_t(hostIndex)] != 0 && m->min[size_t(hostIndex)] != 32767) {
        brakeKgReference = m->min[size_t(hostIndex)];
        brakeKgValid = true;
    } else {
        brakeKgValid = false;
    }
    updateBrakeReadout();
}

void PedalChannelCard::setStatusStyle(const QString& style)
{
    // Re-polishing a style sheet is costly; skip it when nothing changes.
    if (statusLabel && style != statusStyle) {
        statusStyle = style;
        statusLabel->setStyleSheet(style);
    }
}

void PedalChannelCard::setSaveStyle(const QString& style)
{
    if (saveButton && style != saveStyle) {
        saveStyle = style;
        saveButton->setStyleSheet(style);
    }
}

void PedalChannelCard::showCalibrationStatus()
{
    if (!statusLabel)
        return;
    statusLabel->setText(translatedKey(calibrationStatus.toUtf8().constData()));
    setStatusStyle(statusStyleFor(calibrationStatus));
}

void PedalChannelCard::showCountdown()
{
    if (statusLabel)
        statusLabel->setText(QCoreApplication::translate("Quilbex", "Calibrating... (move pedal full range)  %1 s")
                                 .arg(countdownSeconds));
}

void PedalChannelCard::loadFromConfig(const DeviceConfigModel& m)
{
    if (!validIndex())
        return;
    const size_t i = size_t(hostIndex);
    if (deadzoneTopSpin) {
        const QSignalBlocker block(deadzoneTopSpin);
        deadzoneTopSpin->setValue(std::min<int>(m.deadTop[i], 50));
    }
    if (deadzoneBottomSpin) {
        const QSignalBlocker block(deadzoneBottomSpin);
        deadzoneBottomSpin->setValue(std::min<int>(m.deadBot[i], 50));
    }
    if (filterSlider) {
        const QSignalBlocker block(filterSlider);
        filterSlider->setValue(std::min<int>(m.filter[i], 6));
    }
    curvePresetIdx = matchCurvePreset(m.curve[i], m.curveType[i]);
    for (size_t k = 0; k < presetButtons.size(); ++k) {
        if (presetButtons[k]) {
            const QSignalBlocker block(presetButtons[k]);
            presetButtons[k]->setChecked(int(k) == curvePresetIdx);
        }
    }
    calibrationStatus = QString::fromUtf8(m.cali[i] != 0 ? kStatusCompleted : kStatusNotCalibrated);
    if (!calibrating)
        showCalibrationStatus();
    refreshBrakeReference();
    endSavedFlash();
    dirty = false;
    refreshSaveButton();
}

void PedalChannelCard::refreshSaveButton()
{
    if (!saveButton || savedFlashActive)
        return;
    saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
    setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(hostIndex).name()));
    const bool connected = application && application->linkState && application->linkState->connected;
    saveButton->setEnabled(connected && dirty);
}

void PedalChannelCard::endSavedFlash()
{
    if (saveFlashTimer)
        saveFlashTimer->stop();
    if (!savedFlashActive)
        return;
    savedFlashActive = false;
    if (saveButton) {
        saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
        setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(hostIndex).name()));
    }
}

void PedalChannelCard::showSavedFlash()
{
    if (!saveButton || !saveFlashTimer)
        return;
    saveFlashTimer->stop();
    savedFlashActive = true;
    saveButton->setEnabled(false);
    saveButton->setText(QCoreApplication::translate("Quilbex", "SAVED"));
    setSaveStyle(QString::fromLatin1(kSavedStyle));
    saveFlashTimer->start(saveFlashMs);
}

void PedalChannelCard::onSaveFlashFinished()
{
    savedFlashActive = false;
    if (saveButton) {
        saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
        setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(hostIndex).name()));
    }
    refreshSaveButton();
}

void PedalChannelCard::clearDirty()
{
    endSavedFlash();
    dirty = false;
    refreshSaveButton();
}

void PedalChannelCard::markDirty()
{
    endSavedFlash();
    dirty = true;
    refreshSaveButton();
    Q_EMIT settingsAffectingProfileChanged();
}

void PedalChannelCard::setCurvePresetIdx(int idx)
{
    curvePresetIdx = std::clamp(idx, 0, 4);
    if (CurvePresetButton* button = presetButtons[size_t(curvePresetIdx)]) {
        const QSignalBlocker block(button);
        button->setChecked(true);
    }
}

void PedalChannelCard::embedChart(QWidget* chartWidget)
{
    if (!chartWidget || !lowerLayout || embeddedChart)
        return;
    chartWidget->setParent(lowerCard);
    lowerLayout->addWidget(chartWidget, 1);
    embeddedChart = chartWidget;
}

void PedalChannelCard::onPedalDeadFilterCurveUiChanged()
{
    DeviceConfigModel* m = model();
    if (!m || !validIndex())
        return;
    const size_t i = size_t(hostIndex);
    m->deadTop[i] = quint8(std::clamp(deadzoneTopValue(), 0, 50));
    m->deadBot[i] = quint8(std::clamp(deadzoneBottomValue(), 0, 50));
    m->filter[i] = quint8(std::clamp(filterValue(), 0, 6));
    applyCurvePresetToModel(m, hostIndex, curvePresetIdx);
    Q_EMIT m->configChanged();
    markDirty();
}

void PedalChannelCard::onPresetClicked(int kind)
{
    DeviceConfigModel* m = model();
    if (!m || !validIndex()) {
        Q_EMIT curvePresetActivated();
        return;
    }
    curvePresetIdx = std::clamp(kind, 0, 4);
    applyCurvePresetToModel(m, hostIndex, curvePresetIdx);
    Q_EMIT m->configChanged();
    markDirty();
    Q_EMIT curvePresetActivated();
}

void PedalChannelCard::onCalibrateBtnToggled(bool checked)
{
    if (checked) {
        calibrating = true;
        seenMin = lastRaw;
        seenMax = lastRaw;
        if (calibrateButton)
            calibrateButton->setText(QCoreApplication::translate("Quilbex", "Stop Calibration"));
        countdownSeconds = kCountdownStart;
        showCountdown();
        setStatusStyle(QStringLiteral("color:#f39c12; font-weight:600;"));
        if (calibrationTimer)
            calibrationTimer->start();
        if (countdownTimer)
            countdownTimer->start();
        Q_EMIT calibrateRequested();
        return;
    }

    if (!calibrating)
        return; // unchecked without a run (nothing to finish)
    calibrating = false;
    if (calibrationTimer)
        calibrationTimer->stop();
    if (countdownTimer)
        countdownTimer->stop();
    if (calibrateButton)
        calibrateButton->setText(QCoreApplication::translate("Quilbex", "Start Calibration"));
    const int span = int(seenMax) - int(seenMin);
    if (span >= kMinCalibrationSpan) {
        calibrationStatus = QString::fromUtf8(kStatusCompleted);
        showCalibrationStatus();
        if (DeviceConfigModel* m = model(); m && validIndex()) {
            const size_t i = size_t(hostIndex);
            m->min[i] = seenMin;
            m->max[i] = seenMax;
            m->cali[i] = 1;
            Q_EMIT m->configChanged();
            refreshBrakeReference();
            if (application->coordinator)
                application->coordinator->requestWriteConfig();
            Q_EMIT settingsAffectingProfileChanged();
        }
    } else {
        qDebug() << "[Calibration] insufficient range:" << span << "ADC (need >=" << kMinCalibrationSpan << ")";
        calibrationStatus = QString::fromUtf8(kStatusFailed);
        showCalibrationStatus();
    }
}

void PedalChannelCard::onCountdownTick()
{
    if (!calibrating)
        return;
    if (countdownSeconds > 0)
        --countdownSeconds;
    showCountdown();
}

void PedalChannelCard::onCalibrationTimeout()
{
    if (calibrating && calibrateButton && calibrateButton->isChecked())
        calibrateButton->setChecked(false);
}

void PedalChannelCard::onCalibrationReset()
{
    if (calibrating && calibrateButton)
        calibrateButton->setChecked(false);
    if (DeviceConfigModel* m = model(); m && validIndex()) {
        const size_t i = size_t(hostIndex);
        m->min[i] = 0;
        m->max[i] = 0;
        m->cali[i] = 0;
        Q_EMIT m->configChanged();
        seenMin = lastRaw;
        seenMax = lastRaw;
        if (application->coordinator)
            application->coordinator->requestWriteConfig();
        Q_EMIT settingsAffectingProfileChanged();
        refreshBrakeReference();
    }
    calibrationStatus = QString::fromUtf8(kStatusNotCalibrated);
    showCalibrationStatus();
    Q_EMIT calibrationResetRequested();
}

// Static operations: the coordinator's seam lives in the core library; these forward to it
// so the page and the coordinator act on the same registered columns.

void PedalChannelCard::applyCardToModel(DeviceConfigModel* model, int hostIndex)
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::applyCardToModel(model, hostIndex);
}

void PedalChannelCard::applyAllCardsToModel(DeviceConfigModel* model)
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::applyAllCardsToModel(model);
}

void PedalChannelCard::applyUncalibratedDefaults(DeviceConfigModel* model)
{
    PedalCardLayer::applyUncalibratedDefaults(model);
}

void PedalChannelCard::hydrateAllFromConfig(DeviceConfigModel* model)
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::hydrateAllFromConfig(model);
}

void PedalChannelCard::markSaved(int hostIndex)
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::markSaved(hostIndex);
}

void PedalChannelCard::clearAllDirty()
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::clearAllDirty();
}

void PedalChannelCard::markAllDirty()
{
    for (PedalChannelCard* card : g_cards) {
        if (card)
            card->markDirty();
    }
}

void PedalChannelCard::logThrottleWriteTrace(const DeviceConfigModel* model, const PedalRuntimeState* runtime)
{
    PedalCardLayer::setRegistry(&g_registry);
    PedalCardLayer::logThrottleWriteTrace(model, runtime);
}
