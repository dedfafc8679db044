#pragma once

#include <QModelIndex>
#include <QWidget>

#include "output/FileTrash.h"

class AppSettings;
class ImageListModel;
class Log;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

// The "Image list" page of the settings zone: the output folder with its buttons, the list of
// saved files over an ImageListModel, the list actions and the list menu.
class ImageListPanel : public QWidget {
    Q_OBJECT

public:
    ImageListPanel(AppSettings* settings, Log* log, QWidget* parent = nullptr);

    ImageListModel* model() const { return m_model; }
    QListView* view() const { return m_view; }
    // Shows the stored output folder.
    void showBaseDir();
    void buildMenu();
    void execMenu(const QPoint& globalPos);
    // The files of the selected rows, in the order they were selected.
    QStringList selectedPaths() const;

public slots:
    // Lists a file just saved and scrolls to it.
    void addFile(const QString& path);
    void openItem(const QModelIndex& index);
    void selectAll();
    void unselectAll();
    void deleteSelected();
    // Moves the files to the desktop's trash and takes their rows off the list; the one place
    // files are deleted. A file that cannot go to the trash stays, with its rows. Reported with
    // filesTrashed().
    void deletePaths(const QStringList& paths);
    // Undo of a delete: the files come back from the trash to their rows. Returns the files
    // that could not come back (logged).
    QStringList restoreFromTrash(const QList<FileTrash::Entry>& entries);
    void openBaseDir();
    void selectBaseDir();
    // Puts the selected files on the clipboard (see FileListMime).
    void copySelected();
    // Prints the selected pictures one per page, after the standard print dialog.
    void printSelected();
    // Starts the OCR program, detached, with the selected files in selection order and the
    // output folder. False when nothing is selected or it could not start (ocrFailed()).
    bool ocrSelected();
    // Opens a new export dialog (Dialog_ImagesOutPut::PdfMode or WordMode) with the selection.
    void exportSelected(int mode);

signals:
    // The output folder in the settings record changed (and was written).
    void baseDirChanged();
    // An action is done: the keyboard focus may go back to the capture button.
    void actionDone();
    // A delete: the files now in the trash (in the order restoreFromTrash() takes them) and the
    // ones that stayed (each as "path: reason").
    void filesTrashed(QList<FileTrash::Entry> moved, QStringList failed);
    // The OCR program could not be started; the text says so for the user.
    void ocrFailed(const QString& text);

private:
    void buildActionButtons(class QGridLayout* grid);

    AppSettings* m_settings;
    Log* m_log;
    ImageListModel* m_model;
    QListView* m_view = nullptr;
    QLabel* pLbl_BaseDir = nullptr;
    QMenu* pQmenu_ImageList = nullptr;
};
