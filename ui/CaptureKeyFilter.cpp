#include "ui/CaptureKeyFilter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

CaptureKeyFilter::CaptureKeyFilter(QWidget* window, std::function<void()> capture)
    : QObject(window), m_window(window), m_capture(std::move(capture)) {
    qApp->installEventFilter(this);
}

bool CaptureKeyFilter::isCaptureKey(const QKeyEvent* event) {
    // The main Return key is not one: it confirms dialogs and entries.
    const bool keypadEnter =
        event->key() == Qt::Key_Enter && (event->modifiers() & Qt::KeypadModifier);
    return event->key() == Qt::Key_Space || keypadEnter;
}

bool CaptureKeyFilter::isTextField(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    if (qobject_cast<const QAbstractSpinBox*>(widget))
        return true;
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    return widget->testAttribute(Qt::WA_InputMethodEnabled);
}

bool CaptureKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isCaptureKey(key))
        return false;
    // Keys of dialogs, menus and other windows are theirs.
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != m_window || QApplication::activePopupWidget())
        return false;
    if (isTextField(target))
        return false;
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        m_capture();
    // The release and the repeats are taken too: a focused button would click on the release.
    return true;
}
