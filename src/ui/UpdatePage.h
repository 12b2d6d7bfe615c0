#pragma once

#include <QWidget>

class Application;

// Placeholder page until its content lands.
class UpdatePage : public QWidget
{
    Q_OBJECT
public:
    UpdatePage(Application* application, QWidget* parent = nullptr);
    void retranslateUi();

private:
    Application* m_application = nullptr;
};
