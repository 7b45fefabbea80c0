#include "DirListDelegate.h"

namespace plotwise::ui {

namespace {

int indentOf(const QModelIndex& index) {
    return index.data(DirListDelegate::kLevelRole).toInt() * DirListDelegate::kIndent;
}

} // namespace

void DirListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + indentOf(index));
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize DirListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += indentOf(index);
    return size;
}

} // namespace plotwise::ui
