#pragma once

#include <QMainWindow>

class Application;

// Placeholder main window until navigation and pages land.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Application* application, QWidget* parent = nullptr);

private:
    Application* m_application = nullptr;
};
