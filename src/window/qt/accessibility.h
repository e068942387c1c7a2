#pragma once

class QTimer;
class QWidget;

// What screen readers get from the main window: names and roles from the layout data, the
// read-outs' texts as values, and a read-out's change once per tick.
namespace quorlane {

// Names every control from the layout data. After each tick's handler (connected before this
// call) has written both read-outs, tells assistive technology of each read-out whose text
// changed: one notice per read-out and tick, never the seconds count the cost read-out holds for
// a moment.
void MakeAccessible(QWidget& window, QTimer& tick);

}  // namespace quorlane
