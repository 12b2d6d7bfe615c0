#pragma once

#include <QAbstractButton>

class QEnterEvent;

// Small square button that paints the icon of one curve type (0 Linear .. 4 Custom).
class CurvePresetButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CurvePresetButton(int kind, QWidget* parent = nullptr);

    int curveKind() const { return m_kind; }
    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_kind = 0;
    bool m_hovered = false;
};
