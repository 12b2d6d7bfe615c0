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
    void refreshSaveButton();
    void setCurvePresetIdx(int idx);
    void markDirty();
    void embedChart(QWidget* chart);
    // Ends a SAVED flash and clears dirty (after a write that carried this column).
    void clearDirty();
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
    int pedalIndex() const { return hostIndex; }
    bool isDirty() const { return dirty; }
    bool isCalibrating() const { return calibrating; }
    bool isSavedFlashActive() const { return savedFlashActive; }
    int curvePresetIndex() const { return curvePresetIdx; }
    int countdownRemaining() const { return countdownSeconds; }
    QString calibrationStatusKey() const { return calibrationStatus; }
    QWidget* chart() const { return embeddedChart; }
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
    void endSavedFlash();
    void showCalibrationStatus();
    void showCountdown();
    void setStatusStyle(const QString& style);
    void setSaveStyle(const QString& style);
    void refreshBrakeReference();
    void updateBrakeReadout();
    void fitBrakeLabel();
    DeviceConfigModel* model() const;
    bool validIndex() const { return hostIndex >= 0 && hostIndex <= 2; }

    int hostIndex = -1;
    Application* application = nullptr;
    QFrame* upperCard = nullptr;
    QFrame* lowerCard = nullptr;
    QVBoxLayout* lowerLayout = nullptr;
    QWidget* embeddedChart = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* brakeKgLabel = nullptr;
    qint16 brakeKgReference = 0;
    bool brakeKgValid = false;
    QProgressBar* rawBar = nullptr;
    QProgressBar* outputBar = nullptr;
    QLabel* rawLabel = nullptr;
    QLabel* outputLabel = nullptr;
    QPushButton* calibrateButton = nullptr;
    QPushButton* resetButton = nullptr;
    QLabel* deadzoneTopLabel = nullptr;
    QLabel* deadzoneBottomLabel = nullptr;
    QSpinBox* deadzoneTopSpin = nullptr;
    QSpinBox* deadzoneBottomSpin = nullptr;
    QSlider* filterSlider = nullptr;
    QLabel* filterLabel = nullptr;
    QLabel* fastLabel = nullptr;
    QLabel* smoothLabel = nullptr;
    QLabel* curveLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* saveButton = nullptr;
    QTimer* saveFlashTimer = nullptr;
    bool savedFlashActive = false;
    bool dirty = false;
    QTimer* calibrationTimer = nullptr;
    QTimer* countdownTimer = nullptr;
    int countdownSeconds = 0;
    QString calibrationStatus;
    bool calibrating = false;
    qint16 lastRaw = 0;
    qint16 seenMin = 0;
    qint16 seenMax = 0;
    int curvePresetIdx = 0;
    QButtonGroup* presetGroup = nullptr;
    std::array<CurvePresetButton*, 5> presetButtons{};

    // Live path bookkeeping: only touch what changed.
    bool liveFormatShown = false;
    int brakeKgShown = -1; // number shown, -1 for "--"
    int saveFlashMs = 1000;
    QString statusStyle;
    QString saveStyle;
};
