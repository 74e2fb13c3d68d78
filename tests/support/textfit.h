#pragma once

#include <QStringList>

class QWidget;

// Texts a form shows but cuts. For every visible label, push button, tool button, check box,
// radio button, tab, group-box title and table header section under root (root included), the
// room its text needs in the widget's font is measured against the room the widget's contents
// leave it; a group-box title also must not lie under one of the box's children. A tab is
// measured in the bold font the style sheet gives the selected tab, whichever tab is current.
// Each entry names the widget's class, object name and text, and the two sizes.
namespace TextFit {

QStringList clippedTexts(const QWidget *root);

} // namespace TextFit
