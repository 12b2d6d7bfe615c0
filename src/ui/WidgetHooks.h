#pragma once

class QWidget;

// Connects the core library's seams to the widgets: the synchronous language-change
// delivery to top-level widgets. Idempotent.
void installWidgetHooks();

// Sliders, spin boxes and combo boxes under root (root included) take the mouse wheel only
// while they have the keyboard focus (a click or Tab gives it); otherwise the wheel goes on
// to their parents, so scrolling a page never changes a setting in passing. Scroll bars
// keep the wheel. Installing twice is harmless.
void installWheelGuard(QWidget* root);
