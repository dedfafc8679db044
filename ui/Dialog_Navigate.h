#pragma once

#include <QDialog>

class QLabel;

// The first-start tour: three full-window help pictures over the top-left of the main window.
// Each mouse press shows the next picture, the fourth closes the tour; Escape closes it at once.
//
// The pictures show the window in the interface language: the English set lies in the picture
// folder itself, every other language's in Help/<translation file name>/ below it (for example
// Help/french/Help2.png). A picture a language lacks is taken from the English set; one missing
// from both leaves the label empty, and the clicks still count.
class Dialog_Navigate : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 1100;
    static constexpr int kHeight = 700;
    static constexpr int kPictures = 3;
    static const QString kPictureFolder;

    // pictureFolder and language are for tools and tests; the program uses the defaults.
    explicit Dialog_Navigate(QWidget* mainWindow, const QString& pictureFolder = kPictureFolder,
                             const QString& language = currentLanguage());

    // The interface language's translation file name without ".qm" ("en_us", "french", ...).
    static QString currentLanguage();
    // The picture shown as number 1..kPictures for the language.
    static QString picturePath(int number, const QString& language,
                               const QString& pictureFolder = kPictureFolder);

    int clicks() const { return m_clicks; }
    // The path of the picture on show.
    QString picture() const { return m_picture; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showPicture(int number);

    QLabel* m_label = nullptr;
    QString m_folder;
    QString m_language;
    QString m_picture;
    int m_clicks = 0;
};
