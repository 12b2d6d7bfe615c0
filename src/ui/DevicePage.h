#pragma once

#include <QWidget>

class Application;

// Placeholder page until its content lands.
class DevicePage : public QWidget
{
    Q_OBJECT
public:
    DevicePage(Application* application, QWidget* parent = nullptr);
    void retranslateUi();

private:
    Application* m_application = nullptr;
};
