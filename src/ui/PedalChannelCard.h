#pragma once

#include <QString>
#include <QWidget>
#include <array>

class Application;
class CurvePresetButton;
class DeviceConfigModel;
class PedalRuntimeState;
class QButtonGroup;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class QVBoxLayout;

// One pedal's column: live readings, calibration run, deadzones, filter, curve preset
// and the SAVE button. Every edit goes straight into DeviceConfigModel; SAVE asks the
// coordinator to write this pedal. The static operations reach all live columns by host
// index (the coordinator goes through PedalCardLayer, which ends up here).
class PedalChannelCard : public QWidget
{
    Q_OBJECT
public:
    PedalChannelCard(int hostIndex, Application* application, QWidget* parent = nullptr);
    ~PedalChannelCard() override;

    void setLiveValues(qint16 raw, qint16 output);
    void resetLiveDisplay();
    void loadFromConfig(const DeviceConfigModel& model);
    // SAVE's text, style and enabled state, and whether the controls that write to the
    // pedals (SAVE, Start Calibration, Reset) can be used now (see writeBlockedReason).
    void refreshSaveButton();
    // Why nothing can be written to the pedals now, as the disabled controls' tooltip; empty
    // when writing is possible.
    QString writeBlockedReason() const;
    void setCurvePresetIdx(int idx);
    void markDirty();
    void embedChart(QWidget* chart);
    // Ends a SAVED flash and clears dirty (after a write that carried this column).
    void clearDirty();
    // Marks the column unsaved again without touching the profile state (its edit did not
    // reach the pedals, or was kept across a reconnect).
    void restoreDirty();
    // The 1 s SAVED flash after a successful write of this column.
    void showSavedFlash();
    void retranslateUi();

    static QColor pedalColor(int hostIndex);
    static PedalChannelCard* registeredCard(int hostIndex);

    static void applyCardToModel(DeviceConfigModel* model, int hostIndex);
    static void applyAllCardsToModel(DeviceConfigModel* model);
    static void applyUncalibratedDefaults(DeviceConfigModel* model);
    static void hydrateAllFromConfig(DeviceConfigModel* model);
    static void markSaved(int hostIndex);
    static void clearAllDirty();
    static void markAllDirty();
    static void logThrottleWriteTrace(const DeviceConfigModel* model, const PedalRuntimeState* runtime);

    // State for callers and checks.
    int pedalIndex() const { return m_hostIndex; }
    bool isDirty() const { return m_dirty; }
    bool isCalibrating() const { return m_calibrating; }
    bool isSavedFlashActive() const { return m_savedFlashActive; }
    int curvePresetIndex() const { return m_curvePresetIdx; }
    int countdownRemaining() const { return m_countdownSeconds; }
    QString calibrationStatusKey() const { return m_calibrationStatus; }
    QWidget* chart() const { return m_embeddedChart; }
    // Control values as the coordinator reads them (-1 for a missing widget).
    int deadzoneTopValue() const;
    int deadzoneBottomValue() const;
    int filterValue() const;

    // The run limit, the countdown tick and the SAVED flash; 15000, 1000 and 1000 ms.
    void setTimerIntervals(int calibrationMs, int countdownMs, int saveFlashMs);

Q_SIGNALS:
    void curvePresetActivated();
    void calibrateRequested();
    void calibrationResetRequested();
    void settingsAffectingProfileChanged();

private Q_SLOTS:
    void onCalibrateBtnToggled(bool checked);
    void onCalibrationTimeout();
    void onCountdownTick();
    void onPedalDeadFilterCurveUiChanged();
    void onSaveFlashFinished();

protected:
    void changeEvent(QEvent* event) override;
    // At least 250 px, and never narrower than the column's controls need.
    QSize minimumSizeHint() const override;

private:
    void buildUi();
    void onPresetClicked(int kind);
    void onCalibrationReset();
    void endCalibrationRun(bool keepResult);
    void refreshWriteControls();
    void endSavedFlash();
    void showCalibrationStatus();
    void showCountdown();
    void setStatusStyle(const QString& style);
    void setSaveStyle(const QString& style);
    void refreshBrakeReference();
    void updateBrakeReadout();
    void fitBrakeLabel();
    DeviceConfigModel* model() const;
    bool validIndex() const { return m_hostIndex >= 0 && m_hostIndex <= 2; }

    int m_hostIndex = -1;
    Application* m_application = nullptr;
    QFrame* m_upperCard = nullptr;
    QFrame* m_lowerCard = nullptr;
    QVBoxLayout* m_lowerLayout = nullptr;
    QWidget* m_embeddedChart = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_brakeKgLabel = nullptr;
    qint16 m_brakeKgReference = 0;
    bool m_brakeKgValid = false;
    QProgressBar* m_rawBar = nullptr;
    QProgressBar* m_outputBar = nullptr;
    QLabel* m_rawLabel = nullptr;
    QLabel* m_outputLabel = nullptr;
    QPushButton* m_calibrateButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    QLabel* m_deadzoneTopLabel = nullptr;
    QLabel* m_deadzoneBottomLabel = nullptr;
    QSpinBox* m_deadzoneTopSpin = nullptr;
    QSpinBox* m_deadzoneBottomSpin = nullptr;
    QSlider* m_filterSlider = nullptr;
    QLabel* m_filterLabel = nullptr;
    QLabel* m_fastLabel = nullptr;
    QLabel* m_smoothLabel = nullptr;
    QLabel* m_curveLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_saveButton = nullptr;
    QTimer* m_saveFlashTimer = nullptr;
    bool m_savedFlashActive = false;
    bool m_dirty = false;
    QTimer* m_calibrationTimer = nullptr;
    QTimer* m_countdownTimer = nullptr;
    int m_countdownSeconds = 0;
    QString m_calibrationStatus;
    bool m_calibrating = false;
    qint16 m_lastRaw = 0;
    qint16 m_seenMin = 0;
    qint16 m_seenMax = 0;
    int m_curvePresetIdx = 0;
    QButtonGroup* m_presetGroup = nullptr;
    std::array<CurvePresetButton*, 5> m_presetButtons{};

    // Live path bookkeeping: only touch what changed.
    bool m_liveFormatShown = false;
    int m_brakeKgShown = -1; // number shown, -1 for "--"
    int m_saveFlashMs = 1000;
    QString m_statusStyle;
    QString m_saveStyle;
};
