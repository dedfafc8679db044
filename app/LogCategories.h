#pragma once

#include <QLoggingCategory>

// One category per component, so that a busy one (the frame timer, mouse input) can be silenced
// or singled out with QT_LOGGING_RULES, e.g. "miravelo.device.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcCamera)   // the camera library wrapper
Q_DECLARE_LOGGING_CATEGORY(lcDevice)   // device choice, opening, picture parameters
Q_DECLARE_LOGGING_CATEGORY(lcCapture)  // capture triggers and the drag gesture
Q_DECLARE_LOGGING_CATEGORY(lcModes)    // scan modes and the image-processing wrappers
Q_DECLARE_LOGGING_CATEGORY(lcOutput)   // naming, saving, export
Q_DECLARE_LOGGING_CATEGORY(lcWindow)   // window input and the image list
