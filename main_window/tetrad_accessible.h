#pragma once

class QAccessibleInterface;

namespace tambrel {

class TetradPaper;

// The paper as a screen reader reads it: a list whose items are the
// notebook's lines, each in words and as text, the one the keyboard is on
// focused; before a solving, the one line that tells how to get one.
QAccessibleInterface* NewPaperAccessible(TetradPaper* paper);

}  // namespace tambrel
