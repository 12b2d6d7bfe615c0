#include "ui/WidgetHooks.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "i18n/LanguageManager.h"

void installWidgetHooks()
{
    LanguageManager::setTopLevelNotifier([] {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget* w : widgets) {
            QEvent event(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &event);
        }
    });
}
