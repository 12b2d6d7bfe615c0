#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "coordination/InputTrace.h"

class Application;
class QLabel;
class QPushButton;
class TraceChartWidget;

// The live input trace: the three pedals' output over the last 10 s with the held brake
// stroke, a readout per pedal, Pause, and Record (every reading to a CSV file in the
// documents folder). Fed by every poll, also while another page is shown; its widgets are
// built when it is first shown.
class TracePage : public QWidget
{
    Q_OBJECT
public:
    TracePage(Application* application, QWidget* parent = nullptr);
    ~TracePage() override;

    void retranslateUi();

    void setVisible(bool visible) override;

    // For tests and benchmarks (the widgets are built on demand).
    const InputTrace& trace() const { return m_trace; }
    TraceChartWidget* chart()
    {
        buildUi();
        return m_chart;
    }
    QPushButton* pauseButton()
    {
        buildUi();
        return m_pauseBtn;
    }
    QPushButton* recordButton()
    {
        buildUi();
        return m_recordBtn;
    }
    QString recordingPath() const;

private Q_SLOTS:
    void onReading();
    void onConnectionChanged(bool connected);
    void onPauseToggled(bool paused);
    void onRecordToggled(bool on);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    bool startRecording(QString* path, QString* error);
    void stopRecording();
    void failRecording(const QString& path, const QString& error);
    void setRecordChecked(bool on);
    void updateReadouts();
    void fitReadouts();
    void showRecordingLabel(const QString& path);

    Application* m_application = nullptr;
    InputTrace m_trace;
    QElapsedTimer m_clock;
    std::unique_ptr<TraceCsvWriter> m_writer;
    QLabel* m_title = nullptr;
    QLabel* m_hint = nullptr;
    std::array<QLabel*, 3> m_names{};
    std::array<QLabel*, 3> m_values{};
    std::array<QString, 3> m_shownValues;
    QPushButton* m_pauseBtn = nullptr;
    QPushButton* m_recordBtn = nullptr;
    TraceChartWidget* m_chart = nullptr;
    QPointer<QLabel> m_recordingLabel; // in the main window's status bar while recording
    bool m_connected = false;
    qint64 m_readoutMs = 0; // time of the reading the readouts show
};
