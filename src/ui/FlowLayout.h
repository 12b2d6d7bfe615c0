#pragma once

#include <QLayout>
#include <QList>

// Lays its items out in a row and starts a new row where the next item does not fit, so a
// bar or a button row reflows instead of forcing a horizontal scroll bar. An item is as wide
// as its size hint, or as the row when that is narrower (never below its minimum). An item
// added with Qt::AlignRight goes to the right end of its row, with what follows it.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget* parent = nullptr, int horizontalSpacing = 6, int verticalSpacing = 6);
    ~FlowLayout() override;

    // leadingGap: extra room before the item, left out where it starts a row.
    void addFlowWidget(QWidget* widget, int leadingGap = 0, Qt::Alignment alignment = {});
    void addFlowLayout(QLayout* layout, int leadingGap = 0, Qt::Alignment alignment = {});

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int doLayout(const QRect& rect, bool apply) const;

    struct Entry
    {
        QLayoutItem* item = nullptr;
        int leadingGap = 0;
    };
    QList<Entry> m_entries;
    int m_hSpacing;
    int m_vSpacing;
};
