#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Space and keypad Enter capture from anywhere in the window. Watching the whole application, it
// sees the key before the focused control does, so a check box, tile or button that was clicked
// last can neither toggle nor click on Space instead of capturing. Only a text field keeps the
// keys (a space is typed there, Enter finishes the entry). A held key captures once.
class CaptureKeyFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on the application; `capture` runs once per press.
    CaptureKeyFilter(QWidget* window, std::function<void()> capture);

    static bool isCaptureKey(const QKeyEvent* event);
    // A control that takes typed text: an editable line, text box, spin box or combo box.
    static bool isTextField(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void()> m_capture;
};
