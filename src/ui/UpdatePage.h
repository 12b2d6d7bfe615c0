#pragma once

#include <QWidget>

class Application;
class FirmwareUpdateManager;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;

// Page 2: choose a firmware file, compare its version with the pedals', install it.
class UpdatePage : public QWidget
{
    Q_OBJECT
public:
    UpdatePage(Application* application, QWidget* parent = nullptr);

    void retranslateUi();

    // What the file dialog does once a path was chosen.
    void setSelectedFile(const QString& path);
    QString selectedFile() const { return m_binPath; }

    FirmwareUpdateManager* manager() const { return m_manager; }
    QPushButton* chooseButton() const { return m_chooseBtn; }
    QPushButton* startButton() const { return m_startBtn; }
    QPushButton* cancelButton() const { return m_cancelBtn; }
    QLabel* phaseLabel() const { return m_phaseLabel; }
    QProgressBar* progressBar() const { return m_progress; }
    QTextEdit* logView() const { return m_log; }
    QLabel* currentFirmwareValue() const { return m_deviceVersionValue; }
    QLabel* selectedFileValue() const { return m_fileValue; }
    QLabel* fileVersionValue() const { return m_fileVersionValue; }
    QLabel* statusValue() const { return m_statusValue; }

public Q_SLOTS:
    void onChooseBin();
    void onStartUpdate();
    void onCancelUpdate();
    void onLogLine(const QString& line);
    void onProgress(int percent, const QString& status);
    void onFinished(bool success, const QString& message);
    void onDeviceConnected(bool connected);
    void onConfigChanged();
    void onUpgradeBusyChanged(bool busy);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateButtons(bool busyHint = false);
    bool isBusy(bool busyHint = false) const;
    bool deviceVersion(QString* text) const;
    void refreshDeviceVersion();
    void refreshComparison();

    Application* m_application = nullptr;
    FirmwareUpdateManager* m_manager = nullptr;
    QString m_binPath;

    QLabel* m_titleLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
    QLabel* m_deviceVersionKey = nullptr;
    QLabel* m_deviceVersionValue = nullptr;
    QLabel* m_fileKey = nullptr;
    QLabel* m_fileValue = nullptr;
    QLabel* m_fileVersionKey = nullptr;
    QLabel* m_fileVersionValue = nullptr;
    QLabel* m_statusKey = nullptr;
    QLabel* m_statusValue = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_phaseLabel = nullptr;
    QTextEdit* m_log = nullptr;
    QPushButton* m_chooseBtn = nullptr;
    QPushButton* m_startBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};
