#include "ui/DevicePage.h"

DevicePage::DevicePage(Application* application, QWidget* parent)
    : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageDevice"));
}

void DevicePage::retranslateUi() {}
