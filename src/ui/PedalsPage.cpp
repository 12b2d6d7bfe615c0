#include "ui/PedalsPage.h"

#include <QEvent>
#include <QVBoxLayout>

// Placeholder until the pedal columns land.
PedalsPage::PedalsPage(Application* app, QWidget* parent)
    : QWidget(parent), application(app)
{
    setObjectName(QStringLiteral("pagePedals"));
}
PedalsPage::~PedalsPage() = default;
void PedalsPage::retranslateUi() {}
PedalChannelCard* PedalsPage::card(int i) const { return i >= 0 && i < 3 ? cards[size_t(i)] : nullptr; }
CurvePreviewWidget* PedalsPage::preview(int i) const { return i >= 0 && i < 3 ? previews[size_t(i)] : nullptr; }
void PedalsPage::setConnectionStatus(bool) {}
void PedalsPage::onRuntimeDataChanged() {}
void PedalsPage::refreshCurvePreviews() {}
QFrame* PedalsPage::buildCurvePreviewCard(int, QWidget*) { return nullptr; }
void PedalsPage::onChartEdited(int, const CurvePoints&) {}
bool PedalsPage::eventFilter(QObject* w, QEvent* e) { return QWidget::eventFilter(w, e); }
void PedalsPage::showEvent(QShowEvent* e) { QWidget::showEvent(e); }
void PedalsPage::hideEvent(QHideEvent* e) { QWidget::hideEvent(e); }
void PedalsPage::changeEvent(QEvent* e) { QWidget::changeEvent(e); }
