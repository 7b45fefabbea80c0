#pragma once
#include "shell/FormLayout.h"

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>

class QMouseEvent;

namespace plotwise::ui {

// Window texts and paths are UTF-8; list entries and table cells are 8-bit
// text and shown as Latin-1.
QString fromUtf8(const std::string& text);
std::string toUtf8(const QString& text);
QString fromLatin1(const std::string& text);

// A dialog filter "Label|*.ext|Label|*.ext" as Qt's "Label (*.ext);;Label (*.ext)".
QString qtFileFilter(const std::string& filter);

// Where a window of `wanted` client size goes on a screen area: at its top
// left corner, made smaller where the window with its frame would not fit.
QRect fitOnScreen(const QRect& available, const QMargins& frame, const QSize& wanted);

// Twips to pixels and back (15 twips per pixel).
QRect toPixels(const Rect& twips);
int toTwips(int pixels);

// Colours are kept as 0x00BBGGRR.
QColor fromBgr(std::uint32_t bgr);
std::uint32_t toBgr(const QColor& color);

// Mouse arguments as the core's handlers take them: button 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

} // namespace plotwise::ui
