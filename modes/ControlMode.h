#pragma once

#include <QMetaType>

// The scan mode, passed by value in signals. The scan-mode bar's tab index equals the value for
// the first four; ResidenceMode has no tab and its captures are not processed.
enum ControlMode { DocMode = 0, IDMode = 1, SheetMode = 2, BookMode = 3, ResidenceMode = 4 };

Q_DECLARE_METATYPE(ControlMode)
