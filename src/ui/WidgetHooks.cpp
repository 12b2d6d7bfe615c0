#include "ui/WidgetHooks.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include "i18n/LanguageManager.h"

#include <utility>

namespace {

class WheelGuard : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->hasFocus())
            return false;
        // Ignored and consumed here, the event travels on to the parent widgets (for a page,
        // its scroll area).
        event->ignore();
        return true;
    }
};

bool takesWheelForValue(QWidget* w)
{
    if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w))
        return true;
    return qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w);
}

void guard(QWidget* w)
{
    static WheelGuard filter;
    if (!takesWheelForValue(w))
        return;
    // The default WheelFocus would hand the focus to whatever the wheel passes over.
    w->setFocusPolicy(Qt::StrongFocus);
    w->removeEventFilter(&filter);
    w->installEventFilter(&filter);
}

} // namespace

void installWheelGuard(QWidget* root)
{
    if (!root)
        return;
    guard(root);
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        guard(w);
}

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
