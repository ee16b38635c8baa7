// DragCurve: the drag coefficient of a control line against its Reynolds
// number: (1000/Re)^0.233 up to Re 1000, a parabola in log-log space with
// its minimum at 2000, a blend to 1.2 between 4000 and 10000, and 1.2 above.
// Held at its Re = 1 value below. The line model reads it at every point of
// its drag integrals.
#pragma once

// Computes the curve's coefficients. They depend on nothing: every call
// after the first finds them made and leaves them as they are.
void SetupDragCurve();
// Cd at Reynolds number re (0 or more).
double LineDragCoefficient(double re);
