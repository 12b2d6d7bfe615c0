#pragma once

#include <QPixmap>
#include <QStringList>

class QWidget;

// Connects the core library's seams to the widgets: the synchronous language-change
// delivery to top-level widgets. Idempotent.
void installWidgetHooks();

// Sliders, spin boxes and combo boxes under root (root included) take the mouse wheel only
// while they have the keyboard focus (a click or Tab gives it); otherwise the wheel goes on
// to their parents, so scrolling a page never changes a setting in passing. Scroll bars
// keep the wheel. Installing twice is harmless.
void installWheelGuard(QWidget* root);

// Sets the application style sheet (":/styles/app.qss"; returns false if it is missing) and
// makes the application font the one the sheet gives every widget: text laid out before its
// widget is polished (rich-text labels filled in constructors) uses the application font, and
// laying it out again in the sheet's font would load a second set of fonts.
bool applyApplicationStyle();

// The sheet with each font-family list reduced to the families that are installed (generic
// names such as sans-serif are kept; a list with none of them is left as it is). Rendering is
// the same, since a missing family is skipped, but skipping one costs a search of the
// system's fonts for stand-ins that are then not used.
QString withInstalledFontFamilies(const QString& styleSheet, const QStringList& installed);

// A PNG image, read by Qt's own PNG reader. Reading it the ordinary way loads every image
// format plugin first, to ask each whether it wants the file. Null when unreadable.
QPixmap loadPng(const QString& path);
