#pragma once

#include <QWidget>

class Application;
class QCheckBox;
class QComboBox;
class QLabel;

// The interface language and the (placeholder) theme.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    SettingsPage(Application* application, QWidget* parent = nullptr);
    void retranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void onLanguageIndexChanged(int index);

private:
    void populateLanguages();
    void selectLanguage(const QString& code);

    Application* m_application = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_languageKey = nullptr;
    QComboBox* m_languageCombo = nullptr;
    QLabel* m_themeKey = nullptr;
    QLabel* m_themeValue = nullptr;
    QCheckBox* m_switchOnStart = nullptr;
    QCheckBox* m_returnOnEnd = nullptr;
    // True while the page itself fills or moves the combo box, so that doing so never
    // switches the language.
    bool m_updatingCombo = false;
};
