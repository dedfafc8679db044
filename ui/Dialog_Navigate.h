#pragma once

#include <QDialog>

class QLabel;

// The first-start tour: three full-window help pictures over the top-left of the main window.
// Each mouse press shows the next picture, the fourth closes the tour; Escape closes it at once.
class Dialog_Navigate : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 1100;
    static constexpr int kHeight = 700;

    explicit Dialog_Navigate(QWidget* mainWindow);

    int clicks() const { return m_clicks; }
    // The resource path of the picture on show.
    QString picture() const { return m_picture; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showPicture(int number);

    QLabel* m_label = nullptr;
    QString m_picture;
    int m_clicks = 0;
};
