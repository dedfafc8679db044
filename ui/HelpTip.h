#pragma once

#include <QObject>
#include <QStringList>

class QTimer;

// The short hints under the preview. Keeps the list that fits what the user is doing (the scan
// mode, the face comparison, a missing camera) and hands the next hint out every ten seconds.
class HelpTip : public QObject {
    Q_OBJECT

public:
    // Contexts: 1 document, 2 book, 3 identity card (or face comparison off), 4 sheet, 5 face
    // comparison on, 6 no camera found; anything else gives the general hints.
    enum Context {
        General = 0,
        Document = 1,
        Book = 2,
        IdCard = 3,
        Sheet = 4,
        Face = 5,
        NoCamera = 6
    };
    static constexpr int kPeriodMs = 10000;

    explicit HelpTip(QObject* parent = nullptr);

    // Switches to the list of the context, from its start. Once NoCamera is set nothing changes
    // it again: the camera trouble hints matter more than any mode hint for the rest of the run.
    void setContext(int context);
    int context() const { return m_context; }
    QStringList tips() const { return m_tips; }

    // Starts the rotation; it runs to the end of the run.
    void start();
    bool isRotating() const;

signals:
    void UpdateTip(QString tip);

public slots:
    void Handle_Timerout();

private:
    static QStringList tipsFor(int context);

    int m_context = General;
    QStringList m_tips;
    int m_index = 0;
    QTimer* m_timer = nullptr;
};
