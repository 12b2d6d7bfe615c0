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
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Application.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "ui/CurvePresetButton.h"
#include "ui/FlowLayout.h"

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

// A style sheet takes over the slider's drawing and leaves out the tick marks; they are drawn
// here, under the handle's centre at each tick value.
class TickedSlider : public QSlider
{
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QSlider::paintEvent(event);
        if (tickPosition() == NoTicks || maximum() <= minimum() || orientation() != Qt::Horizontal)
            return;
        const int interval = tickInterval() > 0 ? tickInterval() : std::max(1, pageStep());
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const int span = groove.width() - handle.width();
        const int top = std::min(handle.bottom() + 3, height() - 5);
        QPainter p(this);
        p.setPen(QPen(QColor(0x6b, 0x77, 0x8c), 1.0));
        for (int v = minimum(); v <= maximum(); v += interval) {
            const int x = groove.left() + handle.width() / 2
                + QStyle::sliderPositionFromValue(minimum(), maximum(), v, span, option.upsideDown);
            p.drawLine(x, top, x, top + 4);
        }
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
template <class Base> class FlatBackdrop : public Base
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
        if (m_backdrop.isValid()) {
            QPainter p(this);
            paintBackdrop(&p, e->rect());
        }
        Base::paintEvent(e);
    }
    void paintBackdrop(QPainter* p, const QRect& r) const
    {
        if (m_backdrop.isValid())
            p->fillRect(r, m_backdrop);
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
        m_backdrop = color;
        this->setAttribute(Qt::WA_OpaquePaintEvent, color.isValid());
    }

    QColor m_backdrop;
};

using LiveLabel = FlatBackdrop<QLabel>;

// A live bar repaints with every poll. Through the style sheet each paint would draw the
// rounded frame, measure the text and fill the chunk anew: nearly half of the window's whole
// live cost. The style still draws everything, but once: the frame (over the backdrop) and a
// full-width chunk are kept as pixmaps, and a paint puts the frame down, the chunk's body and
// its rounded end at the value's width, and the text, which the style would draw just the
// same way.
class LiveValueBar : public FlatBackdrop<QProgressBar>
{
public:
    using FlatBackdrop<QProgressBar>::FlatBackdrop;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        FlatBackdrop<QProgressBar>::resizeEvent(e);
        m_frame = QPixmap();
    }
    void changeEvent(QEvent* e) override
    {
        FlatBackdrop<QProgressBar>::changeEvent(e);
        if (e->type() == QEvent::StyleChange || e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange
            || e->type() == QEvent::EnabledChange)
            m_frame = QPixmap();
    }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Polish)
            m_frame = QPixmap();
        return FlatBackdrop<QProgressBar>::event(e);
    }
    void paintEvent(QPaintEvent* e) override
    {
        if (m_frame.isNull() && !buildCache()) {
            FlatBackdrop<QProgressBar>::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.drawPixmap(0, 0, m_frame);
        const qint64 span = qint64(maximum()) - minimum();
        const int full = m_contents.width();
        const int width = span > 0 ? int((qint64(value()) - minimum()) * full / span) : 0;
        if (width > 0 && width < 2 * m_cap) {
            // Too short for a body between two ends: the style shapes it itself.
            QStyleOptionProgressBar sub;
            initStyleOption(&sub);
            sub.rect = m_contents;
            style()->drawControl(QStyle::CE_ProgressBarContents, &sub, &p, this);
        } else if (width > 0) {
            const qreal dpr = m_chunk.devicePixelRatio();
            const auto part = [&](int from, int to, int length) {
                p.drawPixmap(QRectF(m_contents.left() + to, m_contents.top(), length, m_contents.height()), m_chunk,
                             QRectF(from * dpr, 0, length * dpr, m_chunk.height()));
            };
            part(0, 0, width - m_cap);                // the chunk's start and body
            part(full - m_cap, width - m_cap, m_cap); // its end, as drawn at full width
        }
        if (isTextVisible()) {
            QStyleOptionProgressBar opt;
            initStyleOption(&opt);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(labelRect(opt), int(opt.textAlignment) | Qt::TextSingleLine, opt.text);
        }
    }

private:
    // Where the style puts the text depends on its size. Readings are numbers, and in a font
    // whose digits are all equally wide a number's size follows from its length: the place
    // is looked up once per length instead of measuring the text on every paint.
    QRect labelRect(const QStyleOptionProgressBar& opt)
    {
        const QString& text = opt.text;
        bool number = m_equalDigits && !text.isEmpty() && text.size() < int(m_labelByLength.size());
        for (qsizetype i = 0; number && i < text.size(); ++i)
            number = text.at(i).isDigit() || (i == 0 && text.at(i) == QLatin1Char('-'));
        if (!number)
            return style()->subElementRect(QStyle::SE_ProgressBarLabel, &opt, this);
        QRect& place = m_labelByLength[size_t(text.size())][text.at(0) == QLatin1Char('-') ? 1 : 0];
        if (place.isNull())
            place = style()->subElementRect(QStyle::SE_ProgressBarLabel, &opt, this);
        return place;
    }

    bool buildCache()
    {
        QStyleOptionProgressBar opt;
        initStyleOption(&opt);
        opt.textVisible = false;
        const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, this);
        if (contents.width() < 8 || opt.invertedAppearance || orientation() != Qt::Horizontal
            || layoutDirection() != Qt::LeftToRight)
            return false;
        const qreal dpr = devicePixelRatioF();
        QPixmap frame(size() * dpr);
        frame.setDevicePixelRatio(dpr);
        frame.fill(Qt::transparent);
        {
            QPainter p(&frame);
            FlatBackdrop<QProgressBar>::paintBackdrop(&p, rect());
            opt.progress = opt.minimum;
            style()->drawControl(QStyle::CE_ProgressBarGroove, &opt, &p, this);
        }
        QPixmap chunk(contents.size() * dpr);
        chunk.setDevicePixelRatio(dpr);
        chunk.fill(Qt::transparent);
        {
            QPainter p(&chunk);
            p.translate(-contents.topLeft());
            opt.progress = opt.maximum;
            QStyleOptionProgressBar sub = opt;
            sub.rect = contents;
            style()->drawControl(QStyle::CE_ProgressBarContents, &sub, &p, this);
        }
        const QFontMetrics fm(font());
        m_equalDigits = true;
        for (char d = '1'; d <= '9'; ++d)
            m_equalDigits =
                m_equalDigits && fm.horizontalAdvance(QLatin1Char(d)) == fm.horizontalAdvance(QLatin1Char('0'));
        m_labelByLength = {};
        m_contents = contents;
        m_chunk = chunk;
        m_cap = std::min(8, contents.width() / 2);
        m_frame = frame;
        return true;
    }

    QPixmap m_frame;
    QPixmap m_chunk;
    QRect m_contents;
    int m_cap = 0;
    bool m_equalDigits = false;
    std::array<std::array<QRect, 2>, 8> m_labelByLength{}; // [length][negative]
};

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
    bool isCardDirty(int hostIndex) const override
    {
        const PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex);
        return card && card->isDirty();
    }
    void setCardDirty(int hostIndex) override
    {
        if (PedalChannelCard* card = PedalChannelCard::registeredCard(hostIndex))
            card->restoreDirty();
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

PedalChannelCard::PedalChannelCard(int hostIndex, Application* application, QWidget* parent)
    : QWidget(parent), m_hostIndex(hostIndex), m_application(application),
      m_calibrationStatus(QString::fromUtf8(kStatusNotCalibrated))
{
    buildUi();
    retranslateUi();
    if (validIndex()) {
        g_cards[size_t(m_hostIndex)] = this;
        PedalCardLayer::setRegistry(&g_registry);
    }
    if (m_application && m_application->coordinator)
        connect(m_application->coordinator.get(), &SessionCoordinator::writeAvailabilityChanged, this,
                [this] { refreshSaveButton(); });
    refreshSaveButton();
}

QSize PedalChannelCard::minimumSizeHint() const
{
    return QWidget::minimumSizeHint().expandedTo(QSize(250, 0));
}

PedalChannelCard::~PedalChannelCard()
{
    if (validIndex() && g_cards[size_t(m_hostIndex)] == this)
        g_cards[size_t(m_hostIndex)] = nullptr;
}

PedalChannelCard* PedalChannelCard::registeredCard(int hostIndex)
{
    return hostIndex >= 0 && hostIndex <= 2 ? g_cards[size_t(hostIndex)] : nullptr;
}

QColor PedalChannelCard::pedalColor(int hostIndex)
{
    switch (hostIndex) {
    case 0: return QColor(0x00, 0xb8, 0x94);
    case 1: return QColor(0xe1, 0x70, 0x55);
    case 2: return QColor(0x6c, 0x5c, 0xe7);
    default: return QColor(0x2d, 0x7d, 0xff);
    }
}

DeviceConfigModel* PedalChannelCard::model() const
{
    return m_application ? m_application->config.get() : nullptr;
}

void PedalChannelCard::buildUi()
{
    const QString colorName = pedalColor(m_hostIndex).name();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_upperCard = new QFrame(this);
    m_upperCard->setObjectName(QStringLiteral("pedalUpperCard"));
    auto* upper = new QVBoxLayout(m_upperCard);
    upper->setContentsMargins(14, 10, 14, 10);
    upper->setSpacing(6);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    auto* stripe = new QFrame(m_upperCard);
    stripe->setFixedSize(4, 22);
    stripe->setStyleSheet(QStringLiteral("background:%1; border-radius:2px;").arg(colorName));
    header->addWidget(stripe);
    m_titleLabel = new QLabel(m_upperCard);
    m_titleLabel->setObjectName(QStringLiteral("pedalCardTitle"));
    header->addWidget(m_titleLabel);
    if (m_hostIndex == 1) {
        m_brakeKgLabel = new LiveLabel(QStringLiteral("--"), m_upperCard);
        m_brakeKgLabel->setObjectName(QStringLiteral("brakeKgValue"));
        m_brakeKgLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_brakeKgLabel->setStyleSheet(QStringLiteral("font-size:13px; font-weight:700; margin-left:6px;"));
        fitBrakeLabel();
        header->addWidget(m_brakeKgLabel);
    }
    header->addStretch();

    m_calibrateButton = new QPushButton(m_upperCard);
    m_calibrateButton->setObjectName(QStringLiteral("calibrateBtn"));
    m_calibrateButton->setCheckable(true);
    m_calibrateButton->setFixedHeight(24);
    m_calibrateButton->setStyleSheet(QStringLiteral(
        "QPushButton { background:#f39c12; color:white; border:none; border-radius:4px; padding:4px 10px; "
        "font-weight:600; font-size:11px; }"
        "QPushButton:hover { background:#e67e22; }"
        "QPushButton:checked { background:#e74c3c; }"
        "QPushButton:checked:hover { background:#c0392b; }"
        // Disabled without pedals: the application's look for a disabled button.
        "QPushButton:disabled { background:#2a3142; color:#6b778c; }"));
    connect(m_calibrateButton, &QPushButton::toggled, this, &PedalChannelCard::onCalibrateBtnToggled);
    header->addWidget(m_calibrateButton);

    m_resetButton = new QPushButton(m_upperCard);
    m_resetButton->setObjectName(QStringLiteral("calResetBtn"));
    m_resetButton->setFixedHeight(24);
    m_resetButton->setStyleSheet(QStringLiteral(
        "QPushButton { background:transparent; color:#f39c12; border:1.5px solid #f39c12; border-radius:4px; "
        "padding:4px 8px; font-size:11px; }"
        "QPushButton:hover { background:rgba(243,156,18,0.12); }"
        "QPushButton:disabled { color:#ccc; border-color:#ccc; }"));
    connect(m_resetButton, &QPushButton::clicked, this, [this] { onCalibrationReset(); });
    header->addWidget(m_resetButton);
    upper->addLayout(header);

    auto* separator = new QFrame(m_upperCard);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background:#eaecf4;"));
    upper->addWidget(separator);

    auto makeBarRow = [this, upper](QLabel*& label, QProgressBar*& bar) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        label = new QLabel(m_upperCard);
        label->setObjectName(QStringLiteral("sectionLabel"));
        label->setFixedWidth(58);
        row->addWidget(label);
        bar = new LiveValueBar(m_upperCard);
        bar->setObjectName(QStringLiteral("pedalValueBar"));
        bar->setRange(-32767, 32767);
        // Empty until the pedals report (0 would show a half-full bar).
        bar->setValue(bar->minimum());
        bar->setFormat(QStringLiteral("—"));
        bar->setTextVisible(true);
        bar->setFixedHeight(18);
        row->addWidget(bar, 1);
        upper->addLayout(row);
    };
    makeBarRow(m_rawLabel, m_rawBar);
    makeBarRow(m_outputLabel, m_outputBar);
    m_outputBar->setStyleSheet(
        QStringLiteral("QProgressBar::chunk { background-color:%1; border-radius:3px; }").arg(colorName));

    upper->addSpacing(4);
    m_statusLabel = new QLabel(m_upperCard);
    m_statusLabel->setObjectName(QStringLiteral("calReadOnly"));
    m_statusLabel->setWordWrap(true);
    setStatusStyle(statusStyleFor(m_calibrationStatus));
    upper->addWidget(m_statusLabel);

    outer->addWidget(m_upperCard);
    outer->addSpacing(8);

    m_lowerCard = new QFrame(this);
    m_lowerCard->setObjectName(QStringLiteral("pedalLowerCard"));
    m_lowerLayout = new QVBoxLayout(m_lowerCard);
    m_lowerLayout->setContentsMargins(14, 10, 14, 10);
    m_lowerLayout->setSpacing(6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    auto makeSpin = [this]() {
        auto* spin = new QSpinBox(m_lowerCard);
        spin->setRange(0, kMaxDeadzone);
        spin->setValue(0);
        spin->setSuffix(QStringLiteral(" %"));
        spin->setFixedWidth(90);
        spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(spin, &QSpinBox::valueChanged, this, &PedalChannelCard::onPedalDeadFilterCurveUiChanged);
        return spin;
    };
    m_deadzoneTopLabel = new QLabel(m_lowerCard);
    m_deadzoneTopSpin = makeSpin();
    m_deadzoneBottomLabel = new QLabel(m_lowerCard);
    m_deadzoneBottomSpin = makeSpin();
    grid->addWidget(m_deadzoneTopLabel, 0, 0);
    grid->addWidget(m_deadzoneTopSpin, 0, 1, Qt::AlignRight);
    grid->addWidget(m_deadzoneBottomLabel, 1, 0);
    grid->addWidget(m_deadzoneBottomSpin, 1, 1, Qt::AlignRight);
    m_lowerLayout->addLayout(grid);

    m_filterLabel = new QLabel(m_lowerCard);
    m_filterLabel->setObjectName(QStringLiteral("sectionLabel"));
    m_lowerLayout->addWidget(m_filterLabel);

    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->setSpacing(6);
    const QString smallGrey = QStringLiteral("font-size:10px; color:#888;");
    m_fastLabel = new QLabel(m_lowerCard);
    m_fastLabel->setStyleSheet(smallGrey);
    filterRow->addWidget(m_fastLabel);
    m_filterSlider = new TickedSlider(Qt::Horizontal, m_lowerCard);
    m_filterSlider->setRange(0, kMaxFilter);
    m_filterSlider->setValue(0);
    m_filterSlider->setSingleStep(1);
    m_filterSlider->setPageStep(1);
    m_filterSlider->setTickPosition(QSlider::TicksBelow);
    m_filterSlider->setTickInterval(1);
    m_filterSlider->setFixedHeight(32);
    connect(m_filterSlider, &QSlider::valueChanged, this, &PedalChannelCard::onPedalDeadFilterCurveUiChanged);
    filterRow->addWidget(m_filterSlider, 1);
    m_smoothLabel = new QLabel(m_lowerCard);
    m_smoothLabel->setStyleSheet(smallGrey);
    filterRow->addWidget(m_smoothLabel);
    m_lowerLayout->addLayout(filterRow);

    m_curveLabel = new QLabel(m_lowerCard);
    m_curveLabel->setObjectName(QStringLiteral("sectionLabel"));
    m_lowerLayout->addWidget(m_curveLabel);

    // The five presets, and SAVE at the right end; where the column is too narrow for both,
    // SAVE moves to a row of its own.
    auto* presetRow = new FlowLayout(nullptr, 10, 6);
    presetRow->setContentsMargins(0, 0, 18, 0);
    auto* presets = new QHBoxLayout;
    presets->setContentsMargins(0, 0, 0, 0);
    presets->setSpacing(6);
    m_presetGroup = new QButtonGroup(this);
    m_presetGroup->setExclusive(true);
    for (int k = 0; k < 5; ++k) {
        auto* button = new CurvePresetButton(k, m_lowerCard);
        m_presetGroup->addButton(button, k);
        m_presetButtons[size_t(k)] = button;
        connect(button, &CurvePresetButton::clicked, this, [this, k] { onPresetClicked(k); });
        presets->addWidget(button);
    }
    m_presetButtons[0]->setChecked(true);
    m_lowerLayout->addLayout(presetRow);
    presetRow->addFlowLayout(presets);

    m_saveButton = new SaveButton(m_lowerCard);
    m_saveButton->setObjectName(QStringLiteral("pedalParamsSaveBtn"));
    m_saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
    m_saveButton->setFixedHeight(24);
    m_saveButton->setMaximumWidth(72);
    m_saveButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_saveButton->setEnabled(false);
    setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(colorName));
    connect(m_saveButton, &QPushButton::clicked, this, [this] {
        if (m_application && m_application->coordinator)
            m_application->coordinator->requestWritePedalParams(m_hostIndex);
    });
    presetRow->addFlowWidget(m_saveButton, 0, Qt::AlignRight);

    outer->addWidget(m_lowerCard, 1);

    m_calibrationTimer = new QTimer(this);
    m_calibrationTimer->setSingleShot(true);
    m_calibrationTimer->setInterval(15000);
    connect(m_calibrationTimer, &QTimer::timeout, this, &PedalChannelCard::onCalibrationTimeout);
    m_countdownTimer = new QTimer(this);
    m_countdownTimer->setInterval(1000);
    connect(m_countdownTimer, &QTimer::timeout, this, &PedalChannelCard::onCountdownTick);
    m_saveFlashTimer = new QTimer(this);
    m_saveFlashTimer->setSingleShot(true);
    connect(m_saveFlashTimer, &QTimer::timeout, this, &PedalChannelCard::onSaveFlashFinished);
}

void PedalChannelCard::setTimerIntervals(int calibrationMs, int countdownMs, int saveFlashMs)
{
    if (m_calibrationTimer)
        m_calibrationTimer->setInterval(std::max(0, calibrationMs));
    if (m_countdownTimer)
        m_countdownTimer->setInterval(std::max(0, countdownMs));
    m_saveFlashMs = std::max(0, saveFlashMs);
}

int PedalChannelCard::deadzoneTopValue() const
{
    return m_deadzoneTopSpin ? m_deadzoneTopSpin->value() : -1;
}

int PedalChannelCard::deadzoneBottomValue() const
{
    return m_deadzoneBottomSpin ? m_deadzoneBottomSpin->value() : -1;
}

int PedalChannelCard::filterValue() const
{
    return m_filterSlider ? m_filterSlider->value() : -1;
}

void PedalChannelCard::retranslateUi()
{
    if (m_titleLabel) {
        QString title;
        switch (m_hostIndex) {
        case 0: title = QCoreApplication::translate("Quilbex", "Throttle"); break;
        case 1: title = QCoreApplication::translate("Quilbex", "Brake"); break;
        case 2: title = QCoreApplication::translate("Quilbex", "Clutch"); break;
        default: break;
        }
        m_titleLabel->setText(QStringLiteral("<span style='font-size:15px; font-weight:700;'>%1</span>").arg(title));
    }
    if (m_rawLabel)
        m_rawLabel->setText(QCoreApplication::translate("Quilbex", "Raw ADC"));
    if (m_outputLabel)
        m_outputLabel->setText(QCoreApplication::translate("Quilbex", "Output"));
    if (m_deadzoneTopLabel)
        m_deadzoneTopLabel->setText(QCoreApplication::translate("Quilbex", "Deadzone top"));
    if (m_deadzoneBottomLabel)
        m_deadzoneBottomLabel->setText(QCoreApplication::translate("Quilbex", "Deadzone bottom"));
    if (m_filterLabel)
        m_filterLabel->setText(QCoreApplication::translate("Quilbex", "Filter / smooth"));
    if (m_fastLabel)
        m_fastLabel->setText(QCoreApplication::translate("Quilbex", "Fast"));
    if (m_smoothLabel)
        m_smoothLabel->setText(QCoreApplication::translate("Quilbex", "Smooth"));
    if (m_curveLabel)
        m_curveLabel->setText(QCoreApplication::translate("Quilbex", "Curve"));
    if (m_calibrateButton) {
        m_calibrateButton->setText(m_calibrating ? QCoreApplication::translate("Quilbex", "Stop Calibration")
                                                 : QCoreApplication::translate("Quilbex", "Start Calibration"));
    }
    if (m_resetButton)
        m_resetButton->setText(QCoreApplication::translate("Quilbex", "Reset"));
    if (m_filterSlider)
        m_filterSlider->setToolTip(
            QCoreApplication::translate("Quilbex", "Filter strength: 0 = fastest response, 6 = smoothest"));
    if (m_saveButton) {
        m_saveButton->setText(m_savedFlashActive ? QCoreApplication::translate("Quilbex", "SAVED")
                                                 : QCoreApplication::translate("Quilbex", "SAVE"));
    }
    const std::array<QString, 5> tips{
        QCoreApplication::translate("Quilbex", "Linear — linear pedal response"),
        QCoreApplication::translate("Quilbex", "S-Curve — more sensitivity in the middle"),
        QCoreApplication::translate("Quilbex", "Early — more sensitivity at the start"),
        QCoreApplication::translate("Quilbex", "Late — more sensitivity at the end"),
        QCoreApplication::translate("Quilbex", "Custom — drag points on the chart"),
    };
    for (size_t k = 0; k < m_presetButtons.size(); ++k) {
        if (m_presetButtons[k])
            m_presetButtons[k]->setToolTip(tips[k]);
    }
    if (m_calibrating)
        showCountdown();
    else if (m_statusLabel)
        m_statusLabel->setText(translatedKey(m_calibrationStatus.toUtf8().constData()));
    refreshWriteControls();
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
    m_lastRaw = raw;
    if (m_calibrating) {
        m_seenMin = std::min(m_seenMin, raw);
        m_seenMax = std::max(m_seenMax, raw);
    }
    // The format is set once per switch between the live and the reset display.
    if (!m_liveFormatShown) {
        static const QString liveFormat = QStringLiteral("%v");
        if (m_rawBar)
            m_rawBar->setFormat(liveFormat);
        if (m_outputBar)
            m_outputBar->setFormat(liveFormat);
        m_liveFormatShown = true;
    }
    setBarValue(m_rawBar, raw);
    setBarValue(m_outputBar, output);
    if (m_brakeKgLabel)
        updateBrakeReadout();
}

void PedalChannelCard::resetLiveDisplay()
{
    static const QString dash = QStringLiteral("—");
    // Empty bars: no reading at all, rather than a half-full bar at 0.
    if (m_rawBar) {
        m_rawBar->setValue(m_rawBar->minimum());
        m_rawBar->setFormat(dash);
    }
    if (m_outputBar) {
        m_outputBar->setValue(m_outputBar->minimum());
        m_outputBar->setFormat(dash);
    }
    m_liveFormatShown = false;
    if (m_brakeKgLabel) {
        m_brakeKgValid = false;
        updateBrakeReadout();
    }
}

void PedalChannelCard::fitBrakeLabel()
{
    // A label whose text changes asks its layout to recompute on every change; with a
    // fixed size (room for the widest reading) the live readout only repaints.
    if (!m_brakeKgLabel)
        return;
    const QString shown = m_brakeKgLabel->text();
    m_brakeKgLabel->setMinimumSize(0, 0);
    m_brakeKgLabel->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_brakeKgLabel->ensurePolished();
    m_brakeKgLabel->setText(QStringLiteral("200kg"));
    const QSize widest = m_brakeKgLabel->sizeHint().expandedTo(m_brakeKgLabel->minimumSizeHint());
    m_brakeKgLabel->setText(shown);
    m_brakeKgLabel->setFixedSize(widest);
}

void PedalChannelCard::updateBrakeReadout()
{
    if (!m_brakeKgLabel)
        return;
    int shown = -1;
    if (m_brakeKgValid && m_brakeKgReference != 32767) {
        const double r = (double(m_lastRaw) - m_brakeKgReference) / (32767.0 - m_brakeKgReference);
        const double kg = r * 200.0;
        if (kg > 200.0)
            shown = 200;
        else if (kg <= 0.0)
            shown = 0;
        else
            shown = std::clamp(int(kg + 0.5), 0, 200);
    }
    if (shown == m_brakeKgShown)
        return;
    m_brakeKgShown = shown;
    m_brakeKgLabel->setText(shown < 0 ? QStringLiteral("--") : QString::number(shown) + QLatin1String("kg"));
}

void PedalChannelCard::refreshBrakeReference()
{
    if (!m_brakeKgLabel)
        return;
    const DeviceConfigModel* m = model();
    if (m && validIndex() && m->cali[size_t(m_hostIndex)] != 0 && m->min[size_t(m_hostIndex)] != 32767) {
        m_brakeKgReference = m->min[size_t(m_hostIndex)];
        m_brakeKgValid = true;
    } else {
        m_brakeKgValid = false;
    }
    updateBrakeReadout();
}

void PedalChannelCard::setStatusStyle(const QString& style)
{
    // Re-polishing a style sheet is costly; skip it when nothing changes.
    if (m_statusLabel && style != m_statusStyle) {
        m_statusStyle = style;
        m_statusLabel->setStyleSheet(style);
    }
}

void PedalChannelCard::setSaveStyle(const QString& style)
{
    if (m_saveButton && style != m_saveStyle) {
        m_saveStyle = style;
        m_saveButton->setStyleSheet(style);
    }
}

void PedalChannelCard::showCalibrationStatus()
{
    if (!m_statusLabel)
        return;
    m_statusLabel->setText(translatedKey(m_calibrationStatus.toUtf8().constData()));
    setStatusStyle(statusStyleFor(m_calibrationStatus));
}

void PedalChannelCard::showCountdown()
{
    if (m_statusLabel)
        m_statusLabel->setText(QCoreApplication::translate("Quilbex", "Calibrating... (move pedal full range)  %1 s")
                                   .arg(m_countdownSeconds));
}

void PedalChannelCard::loadFromConfig(const DeviceConfigModel& m)
{
    if (!validIndex())
        return;
    const size_t i = size_t(m_hostIndex);
    if (m_deadzoneTopSpin) {
        const QSignalBlocker block(m_deadzoneTopSpin);
        m_deadzoneTopSpin->setValue(std::min<int>(m.deadTop[i], kMaxDeadzone));
    }
    if (m_deadzoneBottomSpin) {
        const QSignalBlocker block(m_deadzoneBottomSpin);
        m_deadzoneBottomSpin->setValue(std::min<int>(m.deadBot[i], kMaxDeadzone));
    }
    if (m_filterSlider) {
        const QSignalBlocker block(m_filterSlider);
        m_filterSlider->setValue(std::min<int>(m.filter[i], kMaxFilter));
    }
    m_curvePresetIdx = matchCurvePreset(m.curve[i], m.curveType[i]);
    for (size_t k = 0; k < m_presetButtons.size(); ++k) {
        if (m_presetButtons[k]) {
            const QSignalBlocker block(m_presetButtons[k]);
            m_presetButtons[k]->setChecked(int(k) == m_curvePresetIdx);
        }
    }
    m_calibrationStatus = QString::fromUtf8(m.cali[i] != 0 ? kStatusCompleted : kStatusNotCalibrated);
    if (!m_calibrating)
        showCalibrationStatus();
    refreshBrakeReference();
    endSavedFlash();
    m_dirty = false;
    refreshSaveButton();
}

QString PedalChannelCard::writeBlockedReason() const
{
    // The coordinator knows every reason (not connected, settings not read, restarting,
    // firmware update); without one only the connection counts.
    if (const SessionCoordinator* coordinator = m_application ? m_application->coordinator.get() : nullptr)
        return coordinator->writeBlockedReason();
    const bool connected = m_application && m_application->linkState && m_application->linkState->connected;
    if (!connected)
        return QCoreApplication::translate("Quilbex", "The pedals are not connected.");
    return QString();
}

void PedalChannelCard::refreshWriteControls()
{
    const QString blocked = writeBlockedReason();
    if (m_calibrateButton) {
        // A run that is under way can always be stopped.
        m_calibrateButton->setEnabled(blocked.isEmpty() || m_calibrating);
        m_calibrateButton->setToolTip(
            blocked.isEmpty() ? QCoreApplication::translate("Quilbex",
                                                            "Toggle calibration mode (auto-stops in 15 s).\nPress the "
                                                            "full pedal travel before stopping.")
                              : blocked);
    }
    if (m_resetButton) {
        m_resetButton->setEnabled(blocked.isEmpty());
        m_resetButton->setToolTip(
            blocked.isEmpty() ? QCoreApplication::translate("Quilbex", "Clear calibration data for this channel")
                              : blocked);
    }
    if (m_saveButton) {
        m_saveButton->setToolTip(
            blocked.isEmpty() ? QCoreApplication::translate("Quilbex",
                                                            "Write this column's deadzone, filter, and curve to the "
                                                            "device. Unsaved changes on other columns are not sent.")
                              : blocked);
        if (!m_savedFlashActive)
            m_saveButton->setEnabled(blocked.isEmpty() && m_dirty);
    }
}

void PedalChannelCard::refreshSaveButton()
{
    if (m_saveButton && !m_savedFlashActive) {
        m_saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
        setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(m_hostIndex).name()));
    }
    refreshWriteControls();
}

void PedalChannelCard::endSavedFlash()
{
    if (m_saveFlashTimer)
        m_saveFlashTimer->stop();
    if (!m_savedFlashActive)
        return;
    m_savedFlashActive = false;
    if (m_saveButton) {
        m_saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
        setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(m_hostIndex).name()));
    }
}

void PedalChannelCard::showSavedFlash()
{
    if (!m_saveButton || !m_saveFlashTimer)
        return;
    m_saveFlashTimer->stop();
    m_savedFlashActive = true;
    m_saveButton->setEnabled(false);
    m_saveButton->setText(QCoreApplication::translate("Quilbex", "SAVED"));
    setSaveStyle(QString::fromLatin1(kSavedStyle));
    m_saveFlashTimer->start(m_saveFlashMs);
}

void PedalChannelCard::onSaveFlashFinished()
{
    m_savedFlashActive = false;
    if (m_saveButton) {
        m_saveButton->setText(QCoreApplication::translate("Quilbex", "SAVE"));
        setSaveStyle(QString::fromLatin1(kSaveTemplate).arg(pedalColor(m_hostIndex).name()));
    }
    refreshSaveButton();
}

void PedalChannelCard::clearDirty()
{
    endSavedFlash();
    m_dirty = false;
    refreshSaveButton();
}

void PedalChannelCard::restoreDirty()
{
    endSavedFlash();
    m_dirty = true;
    refreshSaveButton();
}

void PedalChannelCard::markDirty()
{
    endSavedFlash();
    m_dirty = true;
    refreshSaveButton();
    Q_EMIT settingsAffectingProfileChanged();
}

void PedalChannelCard::setCurvePresetIdx(int idx)
{
    m_curvePresetIdx = std::clamp(idx, 0, kMaxCurveType);
    if (CurvePresetButton* button = m_presetButtons[size_t(m_curvePresetIdx)]) {
        const QSignalBlocker block(button);
        button->setChecked(true);
    }
}

void PedalChannelCard::embedChart(QWidget* chartWidget)
{
    if (!chartWidget || !m_lowerLayout || m_embeddedChart)
        return;
    chartWidget->setParent(m_lowerCard);
    m_lowerLayout->addWidget(chartWidget, 1);
    m_embeddedChart = chartWidget;
}

void PedalChannelCard::onPedalDeadFilterCurveUiChanged()
{
    DeviceConfigModel* m = model();
    if (!m || !validIndex())
        return;
    const size_t i = size_t(m_hostIndex);
    m->deadTop[i] = quint8(std::clamp(deadzoneTopValue(), 0, kMaxDeadzone));
    m->deadBot[i] = quint8(std::clamp(deadzoneBottomValue(), 0, kMaxDeadzone));
    m->filter[i] = quint8(std::clamp(filterValue(), 0, kMaxFilter));
    applyCurvePresetToModel(m, m_hostIndex, m_curvePresetIdx);
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
    m_curvePresetIdx = std::clamp(kind, 0, kMaxCurveType);
    applyCurvePresetToModel(m, m_hostIndex, m_curvePresetIdx);
    Q_EMIT m->configChanged();
    markDirty();
    Q_EMIT curvePresetActivated();
}

void PedalChannelCard::onCalibrateBtnToggled(bool checked)
{
    if (checked) {
        m_calibrating = true;
        m_seenMin = m_lastRaw;
        m_seenMax = m_lastRaw;
        if (m_calibrateButton)
            m_calibrateButton->setText(QCoreApplication::translate("Quilbex", "Stop Calibration"));
        m_countdownSeconds = kCountdownStart;
        showCountdown();
        setStatusStyle(QStringLiteral("color:#f39c12; font-weight:600;"));
        if (m_calibrationTimer)
            m_calibrationTimer->start();
        if (m_countdownTimer)
            m_countdownTimer->start();
        refreshWriteControls();
        Q_EMIT calibrateRequested();
        return;
    }

    if (!m_calibrating)
        return; // unchecked without a run (nothing to finish)
    endCalibrationRun(true);
}

void PedalChannelCard::endCalibrationRun(bool keepResult)
{
    m_calibrating = false;
    if (m_calibrationTimer)
        m_calibrationTimer->stop();
    if (m_countdownTimer)
        m_countdownTimer->stop();
    if (m_calibrateButton)
        m_calibrateButton->setText(QCoreApplication::translate("Quilbex", "Start Calibration"));
    refreshWriteControls();
    if (!keepResult)
        return;
    const int span = int(m_seenMax) - int(m_seenMin);
    if (span >= kMinCalibrationSpan) {
        m_calibrationStatus = QString::fromUtf8(kStatusCompleted);
        showCalibrationStatus();
        if (DeviceConfigModel* m = model(); m && validIndex()) {
            const size_t i = size_t(m_hostIndex);
            m->min[i] = m_seenMin;
            m->max[i] = m_seenMax;
            m->cali[i] = 1;
            Q_EMIT m->configChanged();
            refreshBrakeReference();
            if (m_application->coordinator)
                m_application->coordinator->requestWriteConfigFor(QString::fromLatin1(HistoryAction::kCalibration));
            Q_EMIT settingsAffectingProfileChanged();
        }
    } else {
        qDebug() << "[Calibration] insufficient range:" << span << "ADC (need >=" << kMinCalibrationSpan << ")";
        m_calibrationStatus = QString::fromUtf8(kStatusFailed);
        showCalibrationStatus();
    }
}

void PedalChannelCard::onCountdownTick()
{
    if (!m_calibrating)
        return;
    if (m_countdownSeconds > 0)
        --m_countdownSeconds;
    showCountdown();
}

void PedalChannelCard::onCalibrationTimeout()
{
    if (m_calibrating && m_calibrateButton && m_calibrateButton->isChecked())
        m_calibrateButton->setChecked(false);
}

void PedalChannelCard::onCalibrationReset()
{
    // A reset during a run drops the run: writing its result first would leave the pedals
    // restarting when the reset is written, and the reset would be lost.
    if (m_calibrating) {
        if (m_calibrateButton) {
            const QSignalBlocker block(m_calibrateButton);
            m_calibrateButton->setChecked(false);
        }
        endCalibrationRun(false);
    }
    if (DeviceConfigModel* m = model(); m && validIndex()) {
        const size_t i = size_t(m_hostIndex);
        m->min[i] = 0;
        m->max[i] = 0;
        m->cali[i] = 0;
        Q_EMIT m->configChanged();
        m_seenMin = m_lastRaw;
        m_seenMax = m_lastRaw;
        if (m_application->coordinator)
            m_application->coordinator->requestWriteConfigFor(QString::fromLatin1(HistoryAction::kCalibrationReset));
        Q_EMIT settingsAffectingProfileChanged();
        refreshBrakeReference();
    }
    m_calibrationStatus = QString::fromUtf8(kStatusNotCalibrated);
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
