#pragma once

namespace vexel {

class Vexel;

// Lets assistive technology read the table: the control reports its 110 cells, each named by
// its element ("Железо, Fe, 26"), with the keyboard's cell as the focused one. Each control
// installs it when created and removes it when destroyed; the last one removes it from Qt,
// so that no factory outlives the library.
void InstallTableAccessibility();
void RemoveTableAccessibility();

// Tells assistive technology that the keyboard focus moved to element n's cell.
void NotifyFocusedCell(Vexel& control, int n);

}  // namespace vexel
