#pragma once

// Makes the Qt window of a model window: one entry per kind of window.

namespace spindex {
class Form;
}

class QWidget;

namespace spindex::ui {

class FormWindow;
class WindowActions;

// The window of the form, owned by owner when it has one; null for a kind of form without a window.
FormWindow* makeWindow(WindowActions& actions, spindex::Form& form, QWidget* owner);

} // namespace spindex::ui
