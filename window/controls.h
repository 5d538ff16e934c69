#pragma once

class QWidget;
class Tavrolin;

namespace tavrolin {

struct ControlRow;

// A control of the window as its row describes it, in the user's language: a button wired to
// what its row says it does. Its place, name and order are the window's to set.
QWidget *createControl(const ControlRow &row, Tavrolin *window);

} // namespace tavrolin
