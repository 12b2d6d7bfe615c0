#include "ui/SettingsPage.h"

SettingsPage::SettingsPage(Application* application, QWidget* parent)
    : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageSettings"));
}

void SettingsPage::retranslateUi() {}
