#include "ui/UpdatePage.h"

UpdatePage::UpdatePage(Application* application, QWidget* parent)
    : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageUpdate"));
}

void UpdatePage::retranslateUi() {}
