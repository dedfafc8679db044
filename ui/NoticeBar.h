#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

// A short message laid over the preview that never blocks scanning: it takes no keyboard focus
// (Space keeps capturing), closes by itself, and a newer notice replaces the one shown. It is the
// window's one place for "this went wrong, carry on" news: a failed save, a page not found, a
// folder replaced for this run, files moved to the trash with an Undo.
class NoticeBar : public QFrame {
    Q_OBJECT

public:
    explicit NoticeBar(QWidget* parent = nullptr);

    static constexpr int kDefaultMs = 6000;

    // Shows `text` for `msecs`.
    void showNotice(const QString& text, int msecs = kDefaultMs);
    // As above, with a button labelled `actionText`; clicking it runs `action` once and closes
    // the notice. The action is dropped unrun when the notice times out or is replaced.
    void showNotice(const QString& text, int msecs, const QString& actionText,
                    std::function<void()> action);
    // A notice that stays until hideNotice() (a lost camera).
    void showPersistent(const QString& text);
    // Closes the notice shown; the standing line, if any, comes back.
    void hideNotice();
    // A standing line (a camera being opened) that yields to every other notice: shown whenever
    // no other notice is up, until an empty text clears it.
    void setStanding(const QString& text);

    QString text() const;

signals:
    void shown(QString text);

private:
    void runAction();
    void showStanding();

    QLabel* m_label = nullptr;
    QPushButton* m_action = nullptr;
    QTimer* m_timer = nullptr;
    std::function<void()> m_pending;
    QString m_standing;
    bool m_showingStanding = false;
};
