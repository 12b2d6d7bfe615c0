#include "ui/FlowLayout.h"

#include <QWidget>
#include <algorithm>

FlowLayout::FlowLayout(QWidget* parent, int horizontalSpacing, int verticalSpacing)
    : QLayout(parent), m_hSpacing(horizontalSpacing), m_vSpacing(verticalSpacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addFlowWidget(QWidget* widget, int leadingGap, Qt::Alignment alignment)
{
    addChildWidget(widget);
    auto* item = new QWidgetItem(widget);
    item->setAlignment(alignment);
    m_entries.append({item, leadingGap});
    invalidate();
}

void FlowLayout::addFlowLayout(QLayout* layout, int leadingGap, Qt::Alignment alignment)
{
    addChildLayout(layout);
    layout->setAlignment(alignment);
    m_entries.append({layout, leadingGap});
    invalidate();
}

void FlowLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, 0});
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_entries.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).item : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem* item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    int width = 0;
    for (const Entry& e : m_entries) {
        if (!e.item->isEmpty())
            width = std::max(width, e.item->minimumSize().width());
    }
    const QMargins m = contentsMargins();
    width += m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

QSize FlowLayout::sizeHint() const
{
    // Everything in one row.
    int width = 0;
    int height = 0;
    bool first = true;
    for (const Entry& e : m_entries) {
        if (e.item->isEmpty())
            continue;
        const QSize hint = e.item->sizeHint();
        if (!first)
            width += m_hSpacing + e.leadingGap;
        width += hint.width();
        height = std::max(height, hint.height());
        first = false;
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, true);
}

int FlowLayout::doLayout(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int areaWidth = std::max(0, area.width());

    struct Placed
    {
        QLayoutItem* item;
        int x;
        int width;
        int height;
    };
    QList<Placed> row;
    int y = area.top();
    int x = area.left();
    int rowHeight = 0;
    int rowStart = -1; // where the right-aligned part of the row begins

    auto finishRow = [&] {
        if (row.isEmpty())
            return;
        if (apply) {
            // Push the right-aligned part to the right edge.
            int shift = 0;
            if (rowStart >= 0) {
                const Placed& last = row.constLast();
                shift = std::max(0, area.left() + areaWidth - (last.x + last.width));
            }
            for (int i = 0; i < row.size(); ++i) {
                const Placed& p = row.at(i);
                const int dx = rowStart >= 0 && i >= rowStart ? shift : 0;
                const int top = y + (rowHeight - p.height) / 2;
                p.item->setGeometry(QRect(p.x + dx, top, p.width, p.height));
            }
        }
        y += rowHeight + m_vSpacing;
        row.clear();
        rowHeight = 0;
        rowStart = -1;
        x = area.left();
    };

    for (const Entry& e : m_entries) {
        QLayoutItem* item = e.item;
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        const QSize min = item->minimumSize();
        const int width = std::max(min.width(), std::min(hint.width(), areaWidth));
        int height = hint.height();
        if (item->hasHeightForWidth())
            height = std::max(height, item->heightForWidth(width));
        const int gap = row.isEmpty() ? 0 : m_hSpacing + e.leadingGap;
        if (!row.isEmpty() && x + gap + width > area.left() + areaWidth)
            finishRow();
        const int left = row.isEmpty() ? area.left() : x + gap;
        if (rowStart < 0 && (item->alignment() & Qt::AlignRight))
            rowStart = int(row.size());
        row.append({item, left, width, height});
        x = left + width;
        rowHeight = std::max(rowHeight, height);
    }
    finishRow();
    const int used = std::max(0, y - m_vSpacing - area.top());
    const QMargins m = contentsMargins();
    return used + m.top() + m.bottom();
}
