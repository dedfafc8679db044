#pragma once

#include <QCoreApplication>
#include <QImage>

class HelpWindowStage;

// What each tour picture explains, with its texts in the current interface language: the scan
// modes, their options and the capture, then the settings tabs, then the image list and its
// actions.
class HelpPages {
    Q_DECLARE_TR_FUNCTIONS(HelpPages)

public:
    static constexpr int kCount = 3;

    // Brings the window into the state of picture `number` (1..kCount) and draws it; a null
    // image when the window cannot get there (the stage says why).
    static QImage render(HelpWindowStage& stage, int number);
};
