#pragma once
#include <QIcon>

class QStyle;

namespace plotwise::ui {

// Icons of the picture buttons: the six folder buttons and the right-hand
// column (the table toggle and the six export buttons).
QIcon folderButtonIcon(const QStyle* style, int index);
QIcon tableToggleIcon();
QIcon exportButtonIcon(int index);

} // namespace plotwise::ui
