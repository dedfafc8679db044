#include "app/LogCategories.h"

Q_LOGGING_CATEGORY(lcCamera, "miravelo.camera")
Q_LOGGING_CATEGORY(lcDevice, "miravelo.device")
Q_LOGGING_CATEGORY(lcCapture, "miravelo.capture")
Q_LOGGING_CATEGORY(lcModes, "miravelo.modes")
Q_LOGGING_CATEGORY(lcOutput, "miravelo.output")
Q_LOGGING_CATEGORY(lcWindow, "miravelo.window")
