#pragma once
#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace plotwise::ui {

// The save dialog of the plot image: it asks before replacing a file, and it
// shows folders by name alone: no icon or file type is worked out from a
// file's contents, so a folder such as /proc never blocks the window.
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& title,
                                            const QString& fileName, const QString& filter);

} // namespace plotwise::ui
