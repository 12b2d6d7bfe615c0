#include "ui/WidgetHooks.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "i18n/LanguageManager.h"

#include <utility>

void installWidgetHooks()
{
    LanguageManager::setTopLevelNotifier([] {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        // A window may delete another while it re-applies its texts; skip the ones gone.
        QList<QPointer<QWidget>> widgets;
        const QWidgetList topLevels = QApplication::topLevelWidgets();
        for (QWidget* w : topLevels)
            widgets.append(w);
        for (const QPointer<QWidget>& w : std::as_const(widgets)) {
            if (!w)
                continue;
            QEvent event(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &event);
        }
    });
}
