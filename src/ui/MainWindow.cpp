#include "ui/MainWindow.h"

#include <QHBoxLayout>
#include <QLabel>

MainWindow::MainWindow(Application* application, QWidget* parent)
    : QMainWindow(parent), m_application(application)
{
    setWindowTitle(QStringLiteral("Quilbex Control"));
    setMinimumSize(960, 640);
    resize(1280, 780);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralRoot"));
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Quilbex Control"), central));
    setCentralWidget(central);
}
