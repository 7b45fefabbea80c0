#pragma once
#include <QStyledItemDelegate>

namespace plotwise::ui {

// Draws the folder list's lines indented by their level, like a folder tree
// cut down to the current folder's ancestors and subfolders.
class DirListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kLevelRole = Qt::UserRole + 1;
    static constexpr int kPathRole = Qt::UserRole + 2;
    static constexpr int kIndent = 12; // pixels per level

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace plotwise::ui
