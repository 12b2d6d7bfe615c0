#pragma once

#include <QWidget>

class Application;

// Placeholder page until its content lands.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    SettingsPage(Application* application, QWidget* parent = nullptr);
    void retranslateUi();

private:
    Application* m_application = nullptr;
};
