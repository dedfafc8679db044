#pragma once

#include <QString>
#include <QWidget>

class QImage;
class QLabel;

// An option tile of the scan-mode bar: an 80 x 100 picture (its icon, or a small preview of the
// latest capture) over a caption; a press toggles the selection when the tile is selectable.
class CImagePreview : public QWidget {
    Q_OBJECT
public:
    explicit CImagePreview(QWidget* parent = nullptr);
    ~CImagePreview() override;

    // Scales `img` to exactly 80 x 100 into the tile's own thumbnail and shows it.
    // Returns 1, or -1 for a null pointer or an empty image.
    int SetImage(const QImage* img);
    // Back to the icon.
    void ClearImage();
    void ShowImage();
    void SetSelected(bool b);
    void SetSelectable(bool b);
    // While on, a small "Adjust" button shows on the tile and a double click asks, as it does,
    // for the outline of the pictured cut to be corrected.
    void SetAdjustable(bool b);
    bool Adjustable() const { return adjustable; }
    class QToolButton* AdjustButton() const {
        return adjustButton;
    }
    void SetText(const QString& text);
    // Sets the default icon and shows it unless a capture is shown.
    void SetIcon(const QString& path);
    void Rotate180();
    const QImage* Image() const { return thumbnail; }
    QString Text() const;

    bool selected = false;
    bool hasImage = false;
    QString iconPath;
    bool selectable = true;
    bool adjustable = false;

signals:
    void SelectedStatusChanged(bool bStatus);
    void AdjustRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A double click toggles the tile once and not twice; on an adjustable tile it asks for the
    // outline editor.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyStyle();

    QLabel* imageLabel = nullptr;
    QLabel* textLabel = nullptr;
    class QToolButton* adjustButton = nullptr;
    QImage* thumbnail = nullptr;
};
