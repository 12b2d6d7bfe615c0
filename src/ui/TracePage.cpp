#include "ui/TracePage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "ui/PedalChannelCard.h"
#include "ui/TraceChartWidget.h"

namespace {
QString pedalName(int hostIndex)
{
    switch (hostIndex) {
    case 0: return QCoreApplication::translate("Quilbex", "Throttle");
    case 1: return QCoreApplication::translate("Quilbex", "Brake");
    default: return QCoreApplication::translate("Quilbex", "Clutch");
    }
}

QString percentText(qint16 out)
{
    return QStringLiteral("%1 %").arg(axisToPercent(out), 0, 'f', 1);
}

constexpr qint64 kReadoutIntervalMs = 100;

const QString& noValue()
{
    static const QString dash = QStringLiteral("—");
    return dash;
}
} // namespace

TracePage::TracePage(Application* application, QWidget* parent) : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageTrace"));
    m_clock.start();

    if (m_application && m_application->runtime)
        connect(m_application->runtime.get(), &PedalRuntimeState::dataChanged, this, &TracePage::onReading);
    if (m_application && m_application->coordinator)
        connect(m_application->coordinator.get(), &SessionCoordinator::deviceConnectedChanged, this,
                &TracePage::onConnectionChanged);
    m_connected = m_application && m_application->linkState && m_application->linkState->connected;
}

void TracePage::setVisible(bool visible)
{
    // Built before the first show, not at start-up: recording needs no widgets.
    if (visible)
        buildUi();
    QWidget::setVisible(visible);
}

void TracePage::buildUi()
{
    if (m_chart)
        return;
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 16, 20, 16);
    root->setSpacing(12);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("pageTitle"));
    root->addWidget(m_title);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("pageHint"));
    m_hint->setWordWrap(true);
    root->addWidget(m_hint);

    // Legend and readout: the pedal's colour, its name and its present output.
    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    for (int i = 0; i < 3; ++i) {
        auto* swatch = new QFrame(this);
        swatch->setFixedSize(4, 16);
        swatch->setStyleSheet(
            QStringLiteral("background:%1; border-radius:2px;").arg(PedalChannelCard::pedalColor(i).name()));
        m_names[size_t(i)] = new QLabel(this);
        m_values[size_t(i)] = new QLabel(noValue(), this);
        m_values[size_t(i)]->setObjectName(QStringLiteral("traceValue"));
        m_values[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_shownValues[size_t(i)] = noValue();
        bar->addWidget(swatch);
        bar->addWidget(m_names[size_t(i)]);
        bar->addWidget(m_values[size_t(i)]);
        bar->addSpacing(18);
    }
    bar->addStretch(1);
    m_pauseBtn = new QPushButton(this);
    m_pauseBtn->setObjectName(QStringLiteral("tracePauseBtn"));
    m_pauseBtn->setCheckable(true);
    m_pauseBtn->setProperty("flat", true);
    m_recordBtn = new QPushButton(this);
    m_recordBtn->setObjectName(QStringLiteral("traceRecordBtn"));
    m_recordBtn->setCheckable(true);
    m_recordBtn->setProperty("flat", true);
    bar->addWidget(m_pauseBtn);
    bar->addWidget(m_recordBtn);
    root->addLayout(bar);

    m_chart = new TraceChartWidget(&m_trace, this);
    root->addWidget(m_chart, 1);

    connect(m_pauseBtn, &QPushButton::toggled, this, &TracePage::onPauseToggled);
    connect(m_recordBtn, &QPushButton::toggled, this, &TracePage::onRecordToggled);

    retranslateUi();
}

TracePage::~TracePage()
{
    if (m_writer)
        m_writer->close();
    delete m_recordingLabel.data();
}

void TracePage::retranslateUi()
{
    if (!m_chart)
        return;
    m_title->setText(QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Trace")));
    m_hint->setText(QCoreApplication::translate(
        "Quilbex",
        "The output of the three pedals over the last 10 seconds, newest on the right. The last brake "
        "application is held as a dashed line from the left edge."));
    for (int i = 0; i < 3; ++i)
        m_names[size_t(i)]->setText(QStringLiteral("<b>%1</b>").arg(pedalName(i)));
    m_chart->invalidate(); // the held stroke's text
    m_pauseBtn->setText(QCoreApplication::translate("Quilbex", "Pause"));
    m_recordBtn->setText(QCoreApplication::translate("Quilbex", "Record"));
    if (m_recordingLabel && m_writer)
        showRecordingLabel(m_writer->path());
}

QString TracePage::recordingPath() const
{
    return m_writer ? m_writer->path() : QString();
}

void TracePage::onReading()
{
    if (!m_application || !m_application->runtime)
        return;
    const PedalRuntimeState& rt = *m_application->runtime;
    const TraceReading reading{m_clock.elapsed(), rt.raw, rt.out};
    m_trace.add(reading);
    m_connected = true;

    if (m_writer) {
        QString error;
        if (!m_writer->write(reading, &error))
            failRecording(m_writer->path(), error);
    }
    if (m_chart && isVisible()) {
        m_chart->advance();
        // Ten times a second is as fast as anyone reads digits; laying out three texts per
        // poll would cost more than the chart.
        if (reading.timeMs - m_readoutMs >= kReadoutIntervalMs || reading.timeMs < m_readoutMs) {
            m_readoutMs = reading.timeMs;
            updateReadouts();
        }
    }
}

void TracePage::onConnectionChanged(bool connected)
{
    m_connected = connected;
    if (m_chart)
        updateReadouts();
}

void TracePage::updateReadouts()
{
    const PedalRuntimeState* rt = m_application ? m_application->runtime.get() : nullptr;
    for (size_t i = 0; i < 3; ++i) {
        const QString text = (rt && m_connected) ? percentText(rt->out[i]) : noValue();
        // Set only on a change: each setText repaints the label.
        if (text != m_shownValues[i]) {
            m_shownValues[i] = text;
            m_values[i]->setText(text);
        }
    }
}

// A label whose text changes asks the page's layout to recompute, unless its size is fixed:
// room for the widest reading, so a new value only repaints it.
void TracePage::fitReadouts()
{
    for (QLabel* label : m_values) {
        label->setMinimumSize(0, 0);
        label->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        label->ensurePolished();
        const QString shown = label->text();
        label->setText(QStringLiteral("100.0 %"));
        const QSize widest = label->sizeHint().expandedTo(label->minimumSizeHint());
        label->setText(shown);
        label->setFixedSize(widest);
    }
}

void TracePage::onPauseToggled(bool paused)
{
    m_trace.setPaused(paused);
    m_chart->invalidate();
}

void TracePage::onRecordToggled(bool on)
{
    if (!on) {
        stopRecording();
        return;
    }
    QString path;
    QString error;
    if (!startRecording(&path, &error)) {
        failRecording(path, error);
        return;
    }
    showRecordingLabel(path);
}

bool TracePage::startRecording(QString* path, QString* error)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir)) {
        *path = dir;
        *error = QCoreApplication::translate("Quilbex", "The documents folder cannot be created.");
        return false;
    }
    const QString base =
        QDir(dir).filePath(QStringLiteral("quilbex-trace-%1")
                               .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"))));
    *path = base + QStringLiteral(".csv");
    for (int n = 2; QFileInfo::exists(*path) && n < 100; ++n)
        *path = QStringLiteral("%1-%2.csv").arg(base).arg(n);
    auto writer = std::make_unique<TraceCsvWriter>();
    // Never replaces a file: two recordings in one second get different names.
    if (!writer->open(*path, false, error))
        return false;
    m_writer = std::move(writer);
    return true;
}

void TracePage::stopRecording()
{
    delete m_recordingLabel.data();
    if (!m_writer)
        return;
    const QString path = m_writer->path();
    QString error;
    const bool ok = m_writer->close(&error);
    m_writer.reset();
    if (!ok) {
        failRecording(path, error);
        return;
    }
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(
            QCoreApplication::translate("Quilbex", "Trace saved to %1").arg(QDir::toNativeSeparators(path)), 10000);
}

void TracePage::failRecording(const QString& path, const QString& error)
{
    m_writer.reset();
    delete m_recordingLabel.data();
    setRecordChecked(false);
    // Not from inside the poll that found the failure: the box runs its own event loop.
    QMetaObject::invokeMethod(
        this,
        [this, path, error] {
            QMessageBox::warning(this, QCoreApplication::translate("Quilbex", "Record"),
                                 QCoreApplication::translate("Quilbex", "The trace cannot be written to %1.\n\n%2")
                                     .arg(QDir::toNativeSeparators(path), error));
        },
        Qt::QueuedConnection);
}

void TracePage::setRecordChecked(bool on)
{
    const bool blocked = m_recordBtn->blockSignals(true);
    m_recordBtn->setChecked(on);
    m_recordBtn->blockSignals(blocked);
}

void TracePage::showRecordingLabel(const QString& path)
{
    auto* main = qobject_cast<QMainWindow*>(window());
    if (!main)
        return;
    if (!m_recordingLabel) {
        m_recordingLabel = new QLabel(main->statusBar());
        m_recordingLabel->setObjectName(QStringLiteral("traceRecordingLabel"));
        main->statusBar()->addPermanentWidget(m_recordingLabel);
    }
    // The file name only: a long path would widen the status bar and with it the window.
    m_recordingLabel->setText(
        QCoreApplication::translate("Quilbex", "Recording to %1").arg(QFileInfo(path).fileName()));
    m_recordingLabel->setToolTip(QDir::toNativeSeparators(path));
}

void TracePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitReadouts();
    updateReadouts();
}

void TracePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
