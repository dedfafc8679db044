#include "HelpPages.h"

#include "CalloutPainter.h"
#include "HelpWindowStage.h"
#include "modes/CPreConfigBar.h"
#include "modes/DocumentModePage.h"
#include "ui/MainWindow.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

using Callout = CalloutPainter::Callout;
using Side = CalloutPainter::Side;

// Where the page heading goes: over the lower left of the preview, clear of the callouts.
const QPoint kHeadingAt(24, 584);
constexpr int kHeadingWidth = 390;

QRect tabRect(HelpWindowStage& stage, QTabWidget* tabs, int index) {
    return stage.rectOf(tabs->tabBar(), tabs->tabBar()->tabRect(index));
}

QVector<Callout> scanModes(HelpWindowStage& stage) {
    CPreConfigBar* bar = stage.window()->scanModeBar();
    QTabBar* modes = bar->TabWidget()->tabBar();
    const QRect capture = stage.rectOf(stage.widget("pBtn_TakePhoto"));
    const QRect turns = stage.rectOf(stage.widget("Btn_Preview_TurnLeft")) |
                        stage.rectOf(stage.widget("Btn_Preview_TurnRight"));
    return {
        {{stage.rectOf(modes, modes->tabRect(0)) | stage.rectOf(modes, modes->tabRect(3))},
         HelpPages::tr("Scan modes"),
         // The tabs' own texts, so that the explanation names what the window shows.
         HelpPages::tr("%1 for pages, %2 for both sides of a card, %3 to name files after their "
                       "QR code, %4 to split an open book into two pages.")
             .arg(modes->tabText(0), modes->tabText(1), modes->tabText(2), modes->tabText(3)),
         Side::Below,
         QPoint(-60, 0),
         330},
        {{stage.rectOf(bar->DocPage())},
         HelpPages::tr("Options of the mode"),
         HelpPages::tr("Keep the whole picture, or cut out and straighten the page, improve its "
                       "colours or turn it grey. Ticked, the box on the right saves every "
                       "capture at once."),
         Side::Below,
         QPoint(330, 60),
         330},
        {{turns},
         HelpPages::tr("Turn"),
         HelpPages::tr("Turns the document picture, and the pages saved from it, by a quarter."),
         Side::Left,
         QPoint(0, -20),
         260},
        {{capture},
         HelpPages::tr("Capture"),
         HelpPages::tr("Click the button or press Space (or Enter on the keypad): the page is "
                       "processed, saved and listed on the right."),
         Side::Left,
         QPoint(0, -40),
         300},
    };
}

QVector<Callout> settingsTabs(HelpWindowStage& stage) {
    auto* tabs = qobject_cast<QTabWidget*>(stage.widget("ptabwidget_RightSetZone_Set"));
    return {
        {{tabRect(stage, tabs, 0)},
         tabs->tabText(0),
         HelpPages::tr("Device, resolution and picture; focus, timed capture and the second "
                       "camera."),
         Side::Left,
         QPoint(-300, -20),
         300},
        {{tabRect(stage, tabs, 1)},
         tabs->tabText(1),
         HelpPages::tr("File format and naming, JPG quality, rotation and the watermark. Every "
                       "change is kept at once."),
         Side::Left,
         QPoint(-300, 40),
         300},
        {{tabRect(stage, tabs, 2)},
         tabs->tabText(2),
         HelpPages::tr("The output folder and every saved image."),
         Side::Left,
         QPoint(-300, 90),
         300},
    };
}

QVector<Callout> imageList(HelpWindowStage& stage) {
    auto part = [&stage](const char* name) { return stage.rectOf(stage.widget(name)); };
    QVector<Callout> callouts = {
        {{part("pBtn_ChangeFolder"), part("pBtn_OpenFolder")},
         HelpPages::tr("Output folder"),
         HelpPages::tr("Choose where captures are saved, or open that folder."),
         Side::Left,
         QPoint(0, -40),
         300},
        {{part("pQbtn_ImageItemsPdf"), part("pQbtn_ImageItemsPrint"), part("pQbtn_ImageItemsWord")},
         HelpPages::tr("PDF, Word and print"),
         HelpPages::tr("Put the selected images, in the order you choose, into one PDF or Word "
                       "document, or print them."),
         Side::Left,
         QPoint(0, 70),
         300},
        {{part("pListWidget_Images")},
         HelpPages::tr("Saved images"),
         HelpPages::tr("Every capture, newest last. Click to select, double-click to open, drag "
                       "into another program, right-click for more."),
         Side::Left,
         QPoint(0, 10),
         300},
        {{part("pQbtn_ImageItemsSelectAll"), part("pQbtn_ImageItemsUnSelectAll")},
         HelpPages::tr("Select"),
         HelpPages::tr("All images, or none."),
         Side::Left,
         QPoint(0, -30),
         300},
        {{part("pQbtn_ImageItemsCopy"), part("pQbtn_ImageItemsDelete")},
         HelpPages::tr("Copy and delete"),
         HelpPages::tr("Copy the selected files to paste them elsewhere (Ctrl+C), or move them to "
                       "the trash."),
         Side::Left,
         QPoint(-110, -150),
         300},
    };
    // Explained only where the window offers it.
    if (QWidget* ocr = stage.widget("pQbtn_ImageItemsOcr"); ocr && ocr->isVisible())
        callouts.append({{part("pQbtn_ImageItemsOcr")},
                         HelpPages::tr("Text recognition"),
                         HelpPages::tr("Reads the text of the selected images into a searchable "
                                       "PDF and a text file."),
                         Side::Left,
                         QPoint(-150, 175),
                         300});
    return callouts;
}

}  // namespace

QImage HelpPages::render(HelpWindowStage& stage, int number) {
    const bool ready = number == 1   ? stage.showScanModes()
                       : number == 2 ? stage.showSettings()
                                     : stage.showImageList();
    if (!ready)
        return QImage();
    const QVector<Callout> callouts = number == 1   ? scanModes(stage)
                                      : number == 2 ? settingsTabs(stage)
                                                    : imageList(stage);
    const QString titles[] = {tr("Scan modes and capture"), tr("Settings"), tr("Saved images")};
    QImage picture = stage.grab();
    CalloutPainter painter(picture);
    painter.spotlight(callouts);
    for (const Callout& c : callouts)
        painter.draw(c);
    painter.heading(kHeadingAt, kHeadingWidth, titles[number - 1],
                    tr("%1 of %2").arg(number).arg(kCount),
                    number < kCount ? tr("Click anywhere to continue")
                                    : tr("Click anywhere to start scanning"));
    return picture;
}
